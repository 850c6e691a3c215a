#pragma once
// The evaluate command's output for a person: one line per value with its unit, grouped by method.

#include "point_evaluation.h"
#include "result_columns.h"

#include <string>

namespace kalvora::cli {

/// Without chosen keys every value, grouped by method; with them, only those values, in their
/// order. Results take the decimals of their display pattern, or precision when it is given; a
/// value that stands for an unlimited exposure shows the word the results summary shows.
std::string EvaluationText(const PointOutcome &outcome, model::Language language,
    const std::optional<std::vector<ResultKey>> &chosen = std::nullopt, int precision = kShortest);

} // namespace kalvora::cli
