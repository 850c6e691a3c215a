#include "cli/strict_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace kalvora::cli {
namespace {

struct Row
{
    const char *text;
    std::optional<double> expected;
};

TEST(StrictNumber, ReadsOnlyPlainDecimalNumbers)
{
    const Row rows[] = {
        { "85", 85.0 },
        { "0.7", 0.7 },
        { "-0.5", -0.5 },
        { "+18", 18.0 },
        { "-.5", -0.5 },
        { "5.", 5.0 },
        { "1e2", 100.0 },
        { "1.5E-3", 0.0015 },
        { "2e+1", 20.0 },
        { "0", 0.0 },
        { "-0", -0.0 },
        { "", std::nullopt },
        { "-", std::nullopt },
        { ".", std::nullopt },
        { "1,5", std::nullopt },
        { "18 ", std::nullopt },
        { " 18", std::nullopt },
        { "18abc", std::nullopt },
        { "1.2.3", std::nullopt },
        { "1e", std::nullopt },
        { "1e+", std::nullopt },
        { "e5", std::nullopt },
        { "1D2", std::nullopt },
        { "0x10", std::nullopt },
        { "&H10", std::nullopt },
        { "inf", std::nullopt },
        { "-infinity", std::nullopt },
        { "nan", std::nullopt },
        { "1e999", std::nullopt },
        { "-1e999", std::nullopt },
        { "1e-999", 0.0 }, // below the smallest double: zero, as strtod reads it
        { "-1e-999", -0.0 },
        { "1e-400", 0.0 },
        { "0.0000001e-330", 0.0 },
        { "1e-320", 1e-320 }, // subnormal, still a double
        { "100000e-330", 0.0 }, // 1e-325 is below the smallest subnormal: zero
        { "0.001e311", 1e308 }, // within range although the exponent alone is not
        { "++1", std::nullopt },
        { "+-1", std::nullopt },
        { "2 5", std::nullopt },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "text '" << row.text << "'");
        const std::optional<double> read = StrictNumber(row.text);
        EXPECT_EQ(read, row.expected);
        if (read && row.expected) {
            EXPECT_EQ(std::signbit(*read), std::signbit(*row.expected));
        }
    }
}

} // namespace
} // namespace kalvora::cli
