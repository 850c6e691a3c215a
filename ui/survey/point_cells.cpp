#include "point_cells.h"

#include "model/application_ranges.h"
#include "model/exposure.h"
#include "model/presentation/result_catalogue.h"
#include "model/presentation/results_summary.h"
#include "model/presentation/unlimited_exposure.h"
#include "survey_captions.h"
#include "ui/shell/number_format.h"

#include <QStringList>
#include <limits>

namespace kalvora::ui {

using model::Method;

namespace {

QString number(double value)
{
    return formatNumber(value, NumberPattern::Grouped2);
}

bool ran(const model::HubEvaluation &evaluation, Method method)
{
    return evaluation.evaluation.ran[static_cast<std::size_t>(method)];
}

/// The main result of a method that ran, and the number its column sorts by.
std::pair<QString, double> mainResult(
    Method method, const model::MethodResults &r, model::Language language)
{
    switch (method) {
    case Method::Pmv:
        return { number(r.IVM) + QStringLiteral(" / ") + number(r.PPI) + QStringLiteral(" %"),
            r.IVM };
    case Method::Hsi:
        return { number(r.ISC) + QStringLiteral(" %"), r.ISC };
    case Method::Wbgt:
        return { number(r.WBGT) + QStringLiteral(" °C"), r.WBGT };
    case Method::SwReq:
        // The alarm limit for non-acclimatized workers, as the results summary shows it; an
        // exposure that is not limited sorts after every limited one.
        if (!model::isSweatExposureLimited(r.DLEnaa))
            return { pick(model::unlimitedExposure(model::UnlimitedExposure::SummarySweat),
                         language),
                std::numeric_limits<double>::infinity() };
        return { number(r.DLEnaa) + QStringLiteral(" min"), r.DLEnaa };
    case Method::Wci:
        return { number(r.WCI) + QStringLiteral(" W/m² / ") + number(r.tch) + QStringLiteral(" °C"),
            r.WCI };
    case Method::Ireq:
        return { number(r.IREQ1) + QStringLiteral(" / ") + number(r.IREQ2) + QStringLiteral(" clo"),
            r.IREQ1 };
    }
    return {};
}

SurveyCell methodCell(const model::MeasurementPoint &point, const model::HubEvaluation &evaluation,
    Method method, model::Language language)
{
    if (method == Method::Pmv && evaluation.evaluation.pmvOutOfRange)
        return { pick(surveyCaption(SurveyText::PmvOutOfRange), language), {}, {}, {} };
    if (!point.input.method(method) || !ran(evaluation, method))
        return {};
    const std::optional<std::int16_t> rating = model::summaryRating(method, point.input,
        model::EvaluationScope(evaluation.evaluation, point.input), evaluation.results);
    auto [value, key] = mainResult(method, evaluation.results, language);
    return { value, rating, rating ? pick(ratingVerdict(*rating), language) : QString(), key };
}

SurveyCell rangeCell(const model::MeasurementPoint &point, const model::HubEvaluation &evaluation,
    model::Language language)
{
    if (!sharedValuesComputed(point, evaluation))
        return {};
    const model::InputParameters &given = point.input;
    const model::RangeValues values = model::rangeValues(given, evaluation.results);
    QStringList methods;
    for (const Method method : model::kAllMethods)
        if (given.method(method) && model::outOfRange(method, values))
            methods << QString::fromStdString(model::methodName(method, language));
    if (methods.isEmpty())
        return {};
    const QString text = methods.join(QStringLiteral(", "));
    return { text, {}, {}, text };
}

SurveyCell statusCell(const model::HubEvaluation &evaluation, model::Language language)
{
    QString text;
    if (evaluation.refused()) {
        QStringList refusals;
        for (const std::string &refusal : evaluation.refusals)
            refusals << QString::fromStdString(refusal);
        text = pick(surveyCaption(SurveyText::StatusRefused), language) + QStringLiteral(": ")
            + refusals.join(QStringLiteral(" | "));
    } else if (evaluation.evaluation.fault) {
        text = pick(surveyCaption(SurveyText::StatusFault), language) + QStringLiteral(": ")
            + QString::fromStdString(evaluation.faultText);
    }
    return { text, {}, {}, text.isEmpty() ? QVariant() : QVariant(text) };
}

} // namespace

Caption columnCaption(SurveyColumn column)
{
    switch (column) {
    case SurveyColumn::Name:
        return surveyCaption(SurveyText::ColumnName);
    case SurveyColumn::Pmv:
        return surveyCaption(SurveyText::ColumnPmv);
    case SurveyColumn::Hsi:
        return surveyCaption(SurveyText::ColumnHsi);
    case SurveyColumn::Wbgt:
        return surveyCaption(SurveyText::ColumnWbgt);
    case SurveyColumn::Sweat:
        return surveyCaption(SurveyText::ColumnSweat);
    case SurveyColumn::Wci:
        return surveyCaption(SurveyText::ColumnWci);
    case SurveyColumn::Ireq:
        return surveyCaption(SurveyText::ColumnIreq);
    case SurveyColumn::Range:
        return surveyCaption(SurveyText::ColumnRange);
    case SurveyColumn::Status:
        return surveyCaption(SurveyText::ColumnStatus);
    }
    return { "", "" };
}

SurveyColumn methodColumn(Method method)
{
    return static_cast<SurveyColumn>(
        static_cast<int>(SurveyColumn::Pmv) + static_cast<int>(method));
}

std::optional<Method> columnMethod(SurveyColumn column)
{
    switch (column) {
    case SurveyColumn::Pmv:
        return Method::Pmv;
    case SurveyColumn::Hsi:
        return Method::Hsi;
    case SurveyColumn::Wbgt:
        return Method::Wbgt;
    case SurveyColumn::Sweat:
        return Method::SwReq;
    case SurveyColumn::Wci:
        return Method::Wci;
    case SurveyColumn::Ireq:
        return Method::Ireq;
    case SurveyColumn::Name:
    case SurveyColumn::Range:
    case SurveyColumn::Status:
        break;
    }
    return std::nullopt;
}

QString SurveyCell::shown() const
{
    return verdict.isEmpty() ? value : value + QLatin1Char('\n') + verdict;
}

QString SurveyCell::spoken(SurveyColumn column, model::Language language) const
{
    if (column == SurveyColumn::Name || column == SurveyColumn::Status)
        return value;
    QString caption = pick(columnCaption(column), language);
    if (value.isEmpty())
        return caption;
    if (column == SurveyColumn::Range)
        return caption + QStringLiteral(": ") + value;
    return caption + QLatin1Char(' ')
        + (verdict.isEmpty() ? value : value + QStringLiteral(", ") + verdict);
}

SurveyCell surveyCell(const model::MeasurementPoint &point, const model::HubEvaluation &evaluation,
    SurveyColumn column, model::Language language)
{
    if (const std::optional<Method> method = columnMethod(column))
        return methodCell(point, evaluation, *method, language);
    switch (column) {
    case SurveyColumn::Range:
        return rangeCell(point, evaluation, language);
    case SurveyColumn::Status:
        return statusCell(evaluation, language);
    default: {
        const QString name = QString::fromStdString(point.name);
        return { name, {}, {}, name };
    }
    }
}

bool sharedValuesComputed(
    const model::MeasurementPoint &point, const model::HubEvaluation &evaluation)
{
    return !evaluation.refused()
        && model::EvaluationScope(evaluation.evaluation, point.input).sharedValues();
}

QString rowSentence(const model::MeasurementPoint &point, const model::HubEvaluation &evaluation,
    model::Language language)
{
    QStringList parts;
    for (int i = 1; i < kSurveyColumnCount; ++i) {
        const auto column = static_cast<SurveyColumn>(i);
        const SurveyCell cell = surveyCell(point, evaluation, column, language);
        if (!cell.value.isEmpty())
            parts << cell.spoken(column, language);
    }
    return QString::fromStdString(point.name) + QStringLiteral(": ")
        + parts.join(QStringLiteral("; "));
}

} // namespace kalvora::ui
