#pragma once
// The evaluate command's output for a person: one line per value with its unit, grouped by method.

#include "point_evaluation.h"
#include "result_columns.h"

#include <string>

namespace kalvora::cli {

/// Without chosen keys every value, grouped by method; with them, only those values, in their
/// order. Results take two decimals, or precision when it is given.
std::string EvaluationText(const PointOutcome &outcome, model::Language language,
    const std::optional<std::vector<ResultKey>> &chosen = std::nullopt, int precision = kShortest);

/// Whether a value of the record stands for an unlimited exposure rather than a time: TEP while
/// the heat stress index is 100 % or below, a required-sweat-rate DLE of −1, the IREQ DLEmin
/// (DLE3) and DLEneut (DLE4) while the worn insulation exceeds IREQmin and IREQneut.
bool UnlimitedExposure(std::string_view name, const PointOutcome &outcome);

} // namespace kalvora::cli
