#pragma once
// The export command: the points of a survey as a batch input file, name first, which batch
// reads and evaluates choosing as the survey chose.

#include "model/survey.h"
#include "model/survey_file.h"

#include <ostream>
#include <string>

namespace kalvora::cli {

/// The header of a point's columns: name, then the batch input columns.
std::string PointColumnsHeader();

/// Appends a point's cells as batch reads them (control characters escaped: a CSV line holds one
/// record): the name, the texts of the inputs, of the radiation and humidity inputs only the
/// chosen one (and tg, which WBGT always reads), so that batch chooses as the survey
/// did; solar, posture, and the methods ("all" for the six).
void AppendPointCells(const model::MeasurementPoint &point, std::string &line);

/// Writes the survey's points as CSV. Status 0; 1 when the survey has points that could not be
/// read: each is named on err and nothing is written.
int ExportPoints(const model::SurveyReading &reading, std::ostream &out, std::ostream &err);

} // namespace kalvora::cli
