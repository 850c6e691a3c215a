#pragma once
// The survey command: every point of a survey file evaluated as the hub evaluates it, written as
// batch lines (name first), as JSON, or as text for a person.

#include "model/language.h"
#include "model/survey_file.h"
#include "result_columns.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

struct SurveyOutput
{
    model::Language language = model::Language::Spanish;
    std::string format = "csv"; ///< csv, json or text
    std::optional<std::vector<ResultKey>> chosen; ///< --columns; every key without it
    int precision = kShortest;
    unsigned threads = 1; ///< evaluating threads, at least 1
};

/// Evaluates the points of a survey read whole or in part, in file order, into out; a point that
/// could not be read gets the status invalid and its reason. Status 0 when every point was read
/// (refused and stopped by a fault included), 1 when one could not be read.
int WriteSurveyResults(
    const model::SurveyReading &reading, std::ostream &out, const SurveyOutput &options);

} // namespace kalvora::cli
