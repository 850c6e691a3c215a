#include "survey_report.h"

#include "model/presentation/rating_colour.h"
#include "model/presentation/result_catalogue.h"
#include "point_cells.h"
#include "survey_captions.h"
#include "survey_session.h"
#include "ui/shell/input_captions.h"
#include "ui/shell/number_format.h"

#include <QColor>
#include <QDir>
#include <QStringList>

namespace kalvora::ui {

using model::Language;

namespace {

QString escaped(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString cell(const QString &text, const QString &attributes = QString())
{
    return QStringLiteral("<td%1>%2</td>").arg(attributes, text);
}

QString headerRow(const QStringList &captions)
{
    QString row = QStringLiteral("<tr>");
    for (const QString &caption : captions)
        row += QStringLiteral("<th align=\"left\">%1</th>").arg(caption.toHtmlEscaped());
    return row + QStringLiteral("</tr>");
}

/// The survey's own texts, those it has.
QString header(const SurveySession &session, Language language)
{
    QString html = QStringLiteral("<h1>%1</h1>")
                       .arg(session.detail(SurveyDetail::Title).empty()
                               ? pick(surveyCaption(SurveyText::ReportTitle), language)
                               : escaped(session.detail(SurveyDetail::Title)));
    const std::pair<SurveyText, SurveyDetail> details[] = {
        { SurveyText::MetaSite, SurveyDetail::Site },
        { SurveyText::MetaAssessor, SurveyDetail::Assessor },
        { SurveyText::MetaMeasured, SurveyDetail::Measured },
        { SurveyText::MetaNotes, SurveyDetail::Notes },
    };
    html += QStringLiteral("<table cellpadding=\"2\">");
    for (const auto &[caption, detail] : details) {
        if (session.detail(detail).empty())
            continue;
        html += QStringLiteral("<tr>")
            + cell(pick(surveyCaption(caption), language).toHtmlEscaped())
            + cell(
                escaped(session.detail(detail)).replace(QLatin1Char('\n'), QStringLiteral("<br>")))
            + QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    return html;
}

/// A rating cell: the colour as the cell's background, the words in it.
QString ratedCell(const SurveyCell &surveyCell)
{
    if (!surveyCell.rating)
        return cell(surveyCell.value.toHtmlEscaped());
    const model::Rgb rgb = model::ratingColour(*surveyCell.rating);
    const QColor colour(rgb.red, rgb.green, rgb.blue);
    const QString square = QStringLiteral("<span style=\"color:%1\">■</span> ").arg(colour.name());
    return cell(square
        + surveyCell.shown().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

QString pointsTable(const SurveySession &session, Language language)
{
    QStringList captions;
    for (int column = 0; column < kSurveyColumnCount; ++column)
        captions << pick(columnCaption(static_cast<SurveyColumn>(column)), language);
    QString html = QStringLiteral("<h2>%1</h2><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\" width=\"100%\">")
                       .arg(pick(surveyCaption(SurveyText::ReportPoints), language).toHtmlEscaped())
        + headerRow(captions);
    for (int row = 0; row < session.pointCount(); ++row) {
        const model::MeasurementPoint &point = session.point(row);
        const model::HubEvaluation &evaluation = session.evaluation(row);
        html += QStringLiteral("<tr>")
            + ratedCell(surveyCell(point, evaluation, SurveyColumn::Name, language));
        // A point that produced no result says why across the whole row.
        if (!sharedValuesComputed(point, evaluation)) {
            html += cell(
                surveyCell(point, evaluation, SurveyColumn::Status, language).value.toHtmlEscaped(),
                QStringLiteral(" colspan=\"%1\"").arg(kSurveyColumnCount - 1));
        } else {
            for (int column = 1; column < kSurveyColumnCount; ++column)
                html += ratedCell(
                    surveyCell(point, evaluation, static_cast<SurveyColumn>(column), language));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

/// The inputs the point's methods use, with their captions and units, texts as typed.
QString inputsTable(const model::InputParameters &input, Language language)
{
    QString html = QStringLiteral("<table cellpadding=\"2\">");
    const auto row = [&html](const QString &caption, const QString &value, const QString &unit) {
        html += QStringLiteral("<tr>") + cell(caption.toHtmlEscaped()) + cell(value.toHtmlEscaped())
            + cell(unit.toHtmlEscaped()) + QStringLiteral("</tr>");
    };
    for (int i = 0; i < model::kFieldCount; ++i) {
        const auto field = static_cast<model::Field>(i);
        if (input.enabled(field))
            row(pick(fieldCaption(field), language), QString::fromStdString(input.text(field)),
                QString::fromUtf8(fieldUnit(field)));
    }
    for (const model::OptionGroup group :
        { model::OptionGroup::Radsolar, model::OptionGroup::postura })
        if (input.groupEnabled(group))
            row(pick(frameCaption(group), language),
                pick(optionCaption(group, input.selected(group)), language), QString());
    return html + QStringLiteral("</table>");
}

/// Every value of the record that the point's evaluation produced, with its meaning and unit.
QString resultsTable(
    const model::MeasurementPoint &point, const model::HubEvaluation &evaluation, Language language)
{
    const model::EvaluationScope scope = evaluation.refused()
        ? model::EvaluationScope()
        : model::EvaluationScope(evaluation.evaluation, point.input);
    QString html = QStringLiteral("<table cellpadding=\"2\">");
    for (const model::ResultEntry &entry : model::resultCatalogue()) {
        if (entry.kind != model::ResultKind::Value || !scope.belongs(entry))
            continue;
        const std::optional<double> value = entry.read(evaluation.results, evaluation.evaluation);
        if (!value)
            continue;
        html += QStringLiteral("<tr>") + cell(QString::fromStdString(entry.key))
            + cell(QString::fromUtf8(
                entry.meaningIn(language).data(), qsizetype(entry.meaningIn(language).size())))
            + cell(formatNumber(*value, entry.pattern), QStringLiteral(" align=\"right\""))
            + cell(QString::fromUtf8(entry.unit.data(), qsizetype(entry.unit.size())))
            + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString pointSection(const SurveySession &session, int row, Language language)
{
    const model::MeasurementPoint &point = session.point(row);
    const model::HubEvaluation &evaluation = session.evaluation(row);
    QStringList methods;
    for (const model::Method method : model::kAllMethods)
        if (point.input.method(method))
            methods << QString::fromStdString(model::methodName(method, language));
    QString html = QStringLiteral("<h3>%1</h3>").arg(escaped(point.name));
    if (!point.notes.empty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(point.notes));
    html += QStringLiteral("<p>%1%2</p>")
                .arg(pick(surveyCaption(SurveyText::ReportMethods), language).toHtmlEscaped(),
                    methods.join(QStringLiteral(", ")).toHtmlEscaped());
    const SurveyCell status = surveyCell(point, evaluation, SurveyColumn::Status, language);
    if (!status.value.isEmpty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(status.value.toHtmlEscaped());
    html += QStringLiteral("<h4>%1</h4>")
                .arg(pick(surveyCaption(SurveyText::ReportInputs), language).toHtmlEscaped())
        + inputsTable(point.input, language);
    if (!evaluation.refused())
        html += QStringLiteral("<h4>%1</h4>")
                    .arg(pick(surveyCaption(SurveyText::ReportResults), language).toHtmlEscaped())
            + resultsTable(point, evaluation, language);
    return html;
}

} // namespace

QString surveyReportHtml(const SurveySession &session)
{
    const Language language = session.language();
    QString html = QStringLiteral("<html><body>") + header(session, language)
        + pointsTable(session, language);
    for (int row = 0; row < session.pointCount(); ++row)
        html += pointSection(session, row, language);
    return html + QStringLiteral("</body></html>");
}

} // namespace kalvora::ui
