#pragma once
// How a number is shown to a person: the display patterns of the result windows. The windows
// write them with the separators of the user's locale; the command line's text output with ','
// grouping thousands and '.' as decimal point. A value that is not a finite number is never shown
// as one, and a value that shows as zero carries no minus sign.

#include <optional>

namespace kalvora::model {

enum class NumberPattern {
    Grouped2, ///< "#,##0.00": two decimals, thousands grouped (the common pattern)
    Grouped1, ///< "#,##0.0": one decimal, thousands grouped
    Plain1, ///< "###0.0": one decimal, no grouping
    General, ///< the general number form: no fixed decimals, no grouping
};

/// The decimals the pattern shows; none fixed for the general form.
constexpr std::optional<int> fixedDecimals(NumberPattern pattern)
{
    switch (pattern) {
    case NumberPattern::Grouped2:
        return 2;
    case NumberPattern::Grouped1:
    case NumberPattern::Plain1:
        return 1;
    case NumberPattern::General:
        return std::nullopt;
    }
    return std::nullopt;
}

/// Whether the integer digits are grouped by three.
constexpr bool groupsThousands(NumberPattern pattern)
{
    return pattern == NumberPattern::Grouped2 || pattern == NumberPattern::Grouped1;
}

} // namespace kalvora::model
