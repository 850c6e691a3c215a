#pragma once
// Worked examples give their values to a number of digits; a computed value matches when it
// rounds to them, i.e. lies within half a unit of the last given digit.

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <string_view>

namespace kalvora::engine::test {

/// For EXPECT_PRED_FORMAT2(RoundsTo, actual, "25.46"); a null expected value is one the example
/// does not give, and matches anything.
inline testing::AssertionResult RoundsTo(
    const char *actualExpr, const char *, double actual, const char *expectedText)
{
    if (expectedText == nullptr)
        return testing::AssertionSuccess();
    const std::string_view expected(expectedText);
    double value = 0.0;
    const auto [end, error]
        = std::from_chars(expected.data(), expected.data() + expected.size(), value);
    if (error != std::errc() || end != expected.data() + expected.size())
        return testing::AssertionFailure()
            << "expected value \"" << expected << "\" is not a number";
    const std::size_t point = expected.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(expected.size() - point - 1);
    // Half a unit of the last digit, widened by a hair for the binary representation of both.
    const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-9);
    if (std::fabs(actual - value) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actualExpr << " = " << testing::PrintToString(actual)
                                       << " does not round to " << expected;
}

} // namespace kalvora::engine::test
