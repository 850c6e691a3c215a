#include "engine/wbgt.h"
#include "rounds_to.h"

#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

TEST(WbgtIndex, WeighsAirTemperatureOnlyUnderSolarLoad)
{
    struct Row
    {
        double tnw, tg, ta;
        const char *inside, *outdoors;
    };
    constexpr Row kRows[] = {
        { 16, 20, 18, "17.2", "17.0" }, { 25, 40, 30, "29.5", "28.5" },
        { 23, 23, 23, "23.0", "23.0" },
        { 25, 40, -1000, "29.5", "-74.5" }, // ta reaches only the outdoor index
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "tnw=" << r.tnw << " tg=" << r.tg << " ta=" << r.ta);
        for (const bool solarLoad : { false, true }) {
            const double WBGT = WbgtIndex({ .naturalWetBulbTemperature = r.tnw,
                .globeTemperature = r.tg,
                .airTemperature = r.ta,
                .solarLoad = solarLoad });
            EXPECT_PRED_FORMAT2(RoundsTo, WBGT, solarLoad ? r.outdoors : r.inside);
        }
    }
}

} // namespace
} // namespace kalvora::engine
