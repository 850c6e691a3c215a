#include "summary_lines.h"

#include "model/presentation/results_summary.h"
#include "model/presentation/unlimited_exposure.h"
#include "summary_captions.h"
#include "ui/shell/number_format.h"

#include <initializer_list>
#include <variant>

namespace kalvora::ui {

using model::Method;

namespace {

/// A result key, whose value the line shows in the key's display pattern, or the word for an
/// unlimited exposure where the value stands for one.
struct Key
{
    const char *name;
};

/// A piece of a line: a text of the caption table or the value of a key.
using Piece = std::variant<SummaryText, Key>;

class Line
{
public:
    Line(const model::InputParameters &input, const model::MethodResults &results,
        model::Language language)
        : m_worn(input.value(model::Field::Iclo))
        , m_results(results)
        , m_language(language)
    {
    }

    /// Whether the key's value stands for an unlimited exposure rather than a time.
    bool unlimited(const char *key) const
    {
        return model::marksUnlimitedExposure(model::resultEntry(key), m_results, m_worn);
    }

    QString join(std::initializer_list<Piece> pieces) const
    {
        QString line;
        for (const Piece &piece : pieces) {
            if (const auto *text = std::get_if<SummaryText>(&piece))
                line += pick(summaryCaption(*text), m_language);
            else
                line += value(model::resultEntry(std::get<Key>(piece).name));
        }
        return line;
    }

private:
    QString value(const model::ResultEntry &entry) const
    {
        if (model::marksUnlimitedExposure(entry, m_results, m_worn))
            return pick(
                model::unlimitedExposure(model::summaryUnlimited(entry.marker)), m_language);
        return formatNumber(entry.read(m_results, model::Evaluation()).value_or(0), entry.pattern);
    }

    double m_worn;
    const model::MethodResults &m_results;
    model::Language m_language;
};

QString valuesLine(Method method, const Line &line)
{
    switch (method) {
    case Method::Pmv:
        return line.join({ SummaryText::PmvVote, Key { "IVM" }, SummaryText::PmvPercentage,
            Key { "PPI" }, SummaryText::Percent });
    case Method::Hsi:
        // Above 100 % the required evaporation exceeds what the environment can take: the
        // exposure is limited to TEP minutes; otherwise it is not limited.
        if (line.unlimited("TEP"))
            return line.join(
                { SummaryText::HsiIndex, Key { "ISC" }, SummaryText::HsiExposure, Key { "TEP" } });
        return line.join({ SummaryText::HsiIndex, Key { "ISC" }, SummaryText::HsiExposure,
            Key { "TEP" }, SummaryText::Minutes });
    case Method::Wbgt:
        return line.join({ SummaryText::WbgtIndex, Key { "WBGT" }, SummaryText::Celsius });
    case Method::SwReq:
        if (line.unlimited("DLEnaa"))
            return line.join({ SummaryText::SwAlarm, SummaryText::SwWettedness, Key { "wpnaa" },
                SummaryText::SwUnlimitedExposure, Key { "DLEnaa" } });
        return line.join({ SummaryText::SwAlarm, SummaryText::SwWettedness, Key { "wpnaa" },
            SummaryText::SwLimitedExposure, Key { "DLEnaa" }, SummaryText::Minutes });
    case Method::Wci:
        return line.join({ SummaryText::WciIndex, Key { "WCI" }, SummaryText::WciChilling,
            Key { "tch" }, SummaryText::Celsius });
    case Method::Ireq:
        return line.join({ SummaryText::IreqMinimal, Key { "IREQ1" }, SummaryText::IreqNeutral,
            Key { "IREQ2" }, SummaryText::Clo });
    }
    return QString();
}

} // namespace

QString resultLine(Method method, const model::InputParameters &input,
    const model::EvaluationScope &scope, const model::MethodResults &results,
    model::Language language)
{
    switch (model::summaryStanding(method, input, scope)) {
    case model::SummaryStanding::NotSelected:
        return pick(summaryCaption(SummaryText::NotSelected), language);
    case model::SummaryStanding::Stopped:
        return pick(summaryCaption(SummaryText::Stopped), language);
    case model::SummaryStanding::Shown:
        break;
    }
    return valuesLine(method, Line(input, results, language));
}

} // namespace kalvora::ui
