#pragma once
// The evaluate command's output for a person: one line per value with its unit, grouped by method.

#include "model/presentation/unlimited_exposure.h"
#include "point_evaluation.h"
#include "result_columns.h"

#include <string>

namespace kalvora::cli {

/// Without chosen keys every value, grouped by method; with them, only those values, in their
/// order. Results take two decimals, or precision when it is given.
std::string EvaluationText(const PointOutcome &outcome, model::Language language,
    const std::optional<std::vector<ResultKey>> &chosen = std::nullopt, int precision = kShortest);

/// Where a value of the record stands for an unlimited exposure rather than a time (TEP, the
/// required-sweat-rate DLEs, the IREQ DLEmin and DLEneut, by the model's exposure rules), the
/// word the results summary shows for it; empty where the value is a time.
std::optional<model::UnlimitedExposure> UnlimitedExposure(
    std::string_view name, const PointOutcome &outcome);

} // namespace kalvora::cli
