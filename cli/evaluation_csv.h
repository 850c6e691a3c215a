#pragma once
// The evaluate command's CSV: a header line and one row with the columns of a batch row, so that
// single points and batches can be collected in one sheet.

#include "point_evaluation.h"
#include "result_columns.h"

#include <span>
#include <string>

namespace kalvora::cli {

/// The inputs used (as given, or the start texts), methods, status (ok or fault), message, then
/// one cell per key.
std::string EvaluationCsv(
    const PointOutcome &outcome, std::span<const ResultKey> keys, int precision);

} // namespace kalvora::cli
