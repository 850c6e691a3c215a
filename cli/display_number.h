#pragma once
// Numbers for a person at a terminal, in the display patterns of the result views: ',' grouping
// thousands, '.' as decimal point whatever the locale.

#include "model/presentation/number_pattern.h"

#include <optional>
#include <string>

namespace kalvora::cli {

/// Writes a finite value at to with the given decimals (0 to 17) and returns the end; a value
/// that rounds to zero is written without a sign ("0.00", not "-0.00"): a reader takes the minus
/// for a sign the quantity does not have. The text takes at most 328 characters.
char *WriteFixedNumber(char *to, double value, int decimals);

/// The double nearest to the value written with the given decimals (0.12 for 0.1234 and 2), so
/// that its shortest form shows those decimals at most; a value that rounds to zero is +0.
double RoundedToDecimals(double value, int decimals);

/// The value in the pattern: "1,234.57" for 1234.567 in "#,##0.00"; with decimals given (0 to
/// 17), that many instead of the pattern's. The general form: six significant digits without
/// trailing zeros (0.15 for 0.15000000000000002), zero unsigned. "undefined" for a value that is
/// not finite.
std::string PatternNumber(
    double value, model::NumberPattern pattern, std::optional<int> decimals = std::nullopt);

} // namespace kalvora::cli
