#include "summary_lines.h"

#include "model/exposure.h"
#include "model/presentation/unlimited_exposure.h"
#include "summary_captions.h"
#include "ui/shell/number_format.h"

#include <initializer_list>
#include <variant>

namespace kalvora::ui {

using model::Method;

namespace {

/// A piece of a line: a text of the caption table, a shared text, or a number shown as
/// "#,##0.00".
using Piece = std::variant<SummaryText, model::Caption, double>;

QString join(std::initializer_list<Piece> pieces, model::Language language)
{
    QString line;
    for (const Piece &piece : pieces) {
        if (const auto *text = std::get_if<SummaryText>(&piece))
            line += pick(summaryCaption(*text), language);
        else if (const auto *shared = std::get_if<model::Caption>(&piece))
            line += pick(*shared, language);
        else
            line += formatNumber(std::get<double>(piece), NumberPattern::Grouped2);
    }
    return line;
}

QString heatStressLine(const model::MethodResults &r, model::Language language)
{
    // Above 100 % the required evaporation exceeds what the environment can take: the exposure
    // is limited to TEP minutes; otherwise it is not limited.
    if (model::isHeatStressExposureLimited(r.ISC, r.TEP))
        return join({ SummaryText::HsiIndex, r.ISC, SummaryText::HsiExposure, *r.TEP,
                        SummaryText::Minutes },
            language);
    return join({ SummaryText::HsiIndex, r.ISC, SummaryText::HsiExposure,
                    model::unlimitedExposure(model::UnlimitedExposure::SummaryHsi) },
        language);
}

QString sweatLine(const model::MethodResults &r, model::Language language)
{
    if (model::isSweatExposureLimited(r.DLEnaa))
        return join({ SummaryText::SwAlarm, SummaryText::SwWettedness, r.wpnaa,
                        SummaryText::SwLimitedExposure, r.DLEnaa, SummaryText::Minutes },
            language);
    return join({ SummaryText::SwAlarm, SummaryText::SwWettedness, r.wpnaa,
                    SummaryText::SwUnlimitedExposure,
                    model::unlimitedExposure(model::UnlimitedExposure::SummarySweat) },
        language);
}

} // namespace

QString resultLine(Method method, const model::InputParameters &input,
    const model::MethodResults &r, model::Language language)
{
    if (!input.method(method))
        return pick(summaryCaption(SummaryText::NotSelected), language);
    switch (method) {
    case Method::Pmv:
        return join({ SummaryText::PmvVote, r.IVM, SummaryText::PmvPercentage, r.PPI,
                        SummaryText::Percent },
            language);
    case Method::Hsi:
        return heatStressLine(r, language);
    case Method::Wbgt:
        return join({ SummaryText::WbgtIndex, r.WBGT, SummaryText::Celsius }, language);
    case Method::SwReq:
        return sweatLine(r, language);
    case Method::Wci:
        return join(
            { SummaryText::WciIndex, r.WCI, SummaryText::WciChilling, r.tch, SummaryText::Celsius },
            language);
    case Method::Ireq:
        return join({ SummaryText::IreqMinimal, r.IREQ1, SummaryText::IreqNeutral, r.IREQ2,
                        SummaryText::Clo },
            language);
    }
    return QString();
}

} // namespace kalvora::ui
