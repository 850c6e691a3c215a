#pragma once
// The evaluate command's JSON object: methods that ran, inputs used, results, ratings, messages.

#include "point_evaluation.h"

#include <nlohmann/json.hpp>
#include <optional>

namespace kalvora::cli {

/// A number as JSON: null when it is missing or not finite.
nlohmann::ordered_json JsonNumber(std::optional<double> value);

nlohmann::ordered_json EvaluationJson(const PointOutcome &outcome);

} // namespace kalvora::cli
