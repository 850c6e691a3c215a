#include "model/field_value.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <string_view>

using kalvora::model::FieldValue;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row
{
    std::string text;
    double expected;
};

TEST(FieldValue, ReadsTheLeadingNumberOfATypedText)
{
    const Row rows[] = {
        { "1,5", 1 },
        { "", 0 },
        { "abc", 0 },
        { "0.7", 0.7 },
        { "0.7 clo", 0.7 },
        { "-.5", -0.5 },
        { "+.5", 0.5 },
        { "1e2", 100 },
        { "1D2", 100 },
        { "1d-2", 0.01 },
        { "2.5E+1", 25 },
        { "&H10", 16 },
        { "&h1f", 31 },
        { "&O17", 15 },
        { "&o8", 0 },
        { "&H", 0 },
        { "&X1", 0 },
        { "-&H10", 0 },
        { "2 5", 25 },
        { " \t\n- 1 . 5 e 1", -15 },
        { "1\r5", 1 },
        { "1.2.3", 1.2 },
        { "5.", 5 },
        { ".", 0 },
        { "-", 0 },
        { "1e", 1 },
        { "1e+", 1 },
        { "1ex", 1 },
        { "0085", 85 },
        { "12abc", 12 },
        { "1e999", kInf },
        { "-1e999", -kInf },
        { "1e-999", 0 },
        { "0e999", 0 },
        { "0.0001e310", 1e306 },
        { "1000e-330", 0 },
        { std::string(300, 'F').insert(0, "&H"), kInf },
        { "&O" + std::string(400, '7'), kInf },
        { "1e99999999999999999999999", kInf },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "text=\"" << r.text << '"');
        EXPECT_EQ(FieldValue(r.text), r.expected);
    }
}

// A plain number is read where it stands; a leading blank sends the same number through the
// general rule, which must read it alike, sign of zero, overflow and underflow included.
TEST(FieldValue, ReadsAPlainNumberAsTheGeneralRuleDoes)
{
    std::mt19937 random(20261209);
    const auto pick = [&](std::string_view from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        if (random() % 3 == 0)
            text += pick("+-");
        for (std::size_t d = random() % 19; d > 0; --d)
            text += pick("0123456789");
        if (random() % 2 == 0) {
            text += '.';
            for (std::size_t d = random() % 19; d > 0; --d)
                text += pick("0123456789");
        }
        if (random() % 2 == 0) {
            text += pick("eE");
            if (random() % 2 == 0)
                text += pick("+-");
            text += std::to_string(random() % 700);
        }
        const double general = FieldValue(" " + text);
        SCOPED_TRACE(testing::Message() << "text=\"" << text << '"');
        EXPECT_EQ(kalvora::model::PlainNumber(text).has_value(),
            text.find_first_of("0123456789") < text.find_first_of("eE"));
        EXPECT_EQ(FieldValue(text), general);
        EXPECT_EQ(std::signbit(FieldValue(text)), std::signbit(general));
    }
}

TEST(FieldValue, HandlesVeryLongTexts)
{
    const std::string zeros(4998, '0');
    const Row rows[] = {
        { std::string(4999, ' ') + "7", 7 },
        { "1" + std::string(4999, '0'), kInf },
        { "0." + zeros + "1", 0 },
        { zeros + "42", 42 },
        { "1 " + std::string(4998, '2'), kInf },
        { "1e" + std::string(4998, '0') + "2", 100 },
        { "3" + std::string(4999, ','), 3 },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message()
            << "length=" << r.text.size() << " starting \"" << r.text.substr(0, 8) << '"');
        EXPECT_EQ(FieldValue(r.text), r.expected);
    }
}

} // namespace
