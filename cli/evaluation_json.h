#pragma once
// The evaluate command's JSON object: methods that ran, inputs used, results, ratings, messages.

#include "point_evaluation.h"
#include "result_columns.h"

#include <nlohmann/json.hpp>
#include <optional>

namespace kalvora::cli {

/// A number as JSON: null when it is missing or not finite; with precision >= 0 rounded to that
/// many decimals.
nlohmann::ordered_json JsonNumber(std::optional<double> value, int precision = kShortest);

/// The object of one evaluation; results and ratings hold the given keys that belong to it, in
/// their order.
nlohmann::ordered_json EvaluationJson(const PointOutcome &outcome,
    std::span<const ResultKey> keys = AllResultKeys(), int precision = kShortest);

} // namespace kalvora::cli
