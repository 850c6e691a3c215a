#pragma once
// What the survey table says about one point, cell by cell: its name; per method the main result
// with its rating in colour and in words; the methods whose application range the inputs leave;
// and whether the point was refused by the loading rules or stopped by an arithmetic fault, with
// the message. Only what the point's own evaluation produced is shown or rated.

#include "model/hub_evaluation.h"
#include "model/language.h"
#include "model/survey.h"
#include "ui/shell/caption.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace kalvora::ui {

/// The table's columns, left to right: a point that was refused or stopped says so next to its
/// name, before the results it could not produce.
enum class SurveyColumn { Name, Status, Pmv, Hsi, Wbgt, Sweat, Wci, Ireq, Range };
inline constexpr int kSurveyColumnCount = 9;

Caption columnCaption(SurveyColumn column);
/// The method a column shows; empty for the others.
std::optional<model::Method> columnMethod(SurveyColumn column);
/// The column of a method.
SurveyColumn methodColumn(model::Method method);

struct SurveyCell
{
    QString value; ///< the result or the text, in the locale's digits
    std::optional<std::int16_t> rating; ///< the method's rating, shown as its colour
    QString verdict; ///< the rating in words
    QVariant sortKey; ///< what the column sorts by; empty sorts last

    /// As the cell shows it: the value, and the verdict on a second line.
    QString shown() const;
    /// As a screen reader says it: the column's caption, the value, the verdict.
    QString spoken(SurveyColumn column, model::Language language) const;
};

SurveyCell surveyCell(const model::MeasurementPoint &point, const model::HubEvaluation &evaluation,
    SurveyColumn column, model::Language language);

/// Whether the point's evaluation computed the shared values (mean radiant temperature, relative
/// air velocity, vapour pressure): no refusal, and no fault before the first method.
bool sharedValuesComputed(
    const model::MeasurementPoint &point, const model::HubEvaluation &evaluation);

/// The whole row in one sentence, as a screen reader reads it: "name: PMV / PPD 0.10 / 5.22 %,
/// no strain; WBGT …".
QString rowSentence(const model::MeasurementPoint &point, const model::HubEvaluation &evaluation,
    model::Language language);

} // namespace kalvora::ui
