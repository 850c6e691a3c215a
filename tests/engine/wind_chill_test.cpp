#include "engine/wind_chill.h"
#include "rounds_to.h"

#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

TEST(WindChillIndex, MatchesWorkedExamples)
{
    struct Row
    {
        double v, ta;
        const char *WCI, *tch;
    };
    constexpr Row kRows[] = {
        { 0.2904, 18, "270.54", "22.39" }, { 1, 0, "744.55", "3.80" },
        { 5, -10, "1387.2", "-21.40" },
        { 5, 33, "0", "33" }, // skin temperature: no cooling at any velocity
        { 0.1, 33, "0", "33" }, { 1, 43, "-225.62", "41.85" }, // warmer than skin: heat gained
        { -1, 0, "821.11", "0.80" }, // root of |v|, v subtracted with its sign
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "v=" << r.v << " ta=" << r.ta);
        const WindChill w = WindChillIndex({ .relativeAirVelocity = r.v, .airTemperature = r.ta });
        EXPECT_PRED_FORMAT2(RoundsTo, w.WCI, r.WCI);
        EXPECT_PRED_FORMAT2(RoundsTo, w.tch, r.tch);
    }
}

} // namespace
} // namespace kalvora::engine
