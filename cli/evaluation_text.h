#pragma once
// The evaluate command's output for a person: one line per value with its unit, grouped by method.

#include "point_evaluation.h"

#include <string>

namespace kalvora::cli {

std::string EvaluationText(const PointOutcome &outcome, model::Language language);

} // namespace kalvora::cli
