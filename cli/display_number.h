#pragma once
// Numbers for a person at a terminal, in the patterns of the result views ("#,##0.00" and
// "#,##0.0"): fixed decimals, ',' grouping thousands, '.' as decimal point whatever the locale.

#include <optional>
#include <string>

namespace kalvora::cli {

/// "1,234.57" for 1234.567 with two decimals; "undefined" for a value that is not finite.
std::string GroupedFixed(double value, int decimals);

/// Six significant digits without trailing zeros (0.15 for 0.15000000000000002).
std::string GeneralNumber(double value);

} // namespace kalvora::cli
