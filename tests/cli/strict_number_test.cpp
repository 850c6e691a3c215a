#include "cli/strict_number.h"

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
        { "1e-999", std::nullopt },
        { "++1", std::nullopt },
        { "+-1", std::nullopt },
        { "2 5", std::nullopt },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "text '" << row.text << "'");
        EXPECT_EQ(StrictNumber(row.text), row.expected);
    }
}

} // namespace
} // namespace kalvora::cli
