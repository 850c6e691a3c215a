#include "engine/heat_stress_index.h"
#include "rounds_to.h"

#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

// Inputs in the order the worked examples give them.
struct Inputs
{
    double Icl, va, ta, tr, pa, M;
};

std::ostream &operator<<(std::ostream &out, const Inputs &in)
{
    return out << "Icl=" << in.Icl << " va=" << in.va << " ta=" << in.ta << " tr=" << in.tr
               << " pa=" << in.pa << " M=" << in.M;
}

HeatStress heatStressOf(const Inputs &in)
{
    return HeatStressIndex({ .metabolicRate = in.M,
        .clothingInsulation = in.Icl,
        .airTemperature = in.ta,
        .meanRadiantTemperature = in.tr,
        .vapourPressure = in.pa,
        .airVelocity = in.va });
}

TEST(HeatStressIndex, MatchesWorkedExamples)
{
    struct Row
    {
        Inputs in;
        const char *C, *R, *Emax, *Ereq, *ISC, *TEP, *E, *Ac; // null: not given
    };
    constexpr Row kRows[] = {
        { { 0.7, 0.15, 18, 21.58, 1.3405, 85 }, "25.05", "59.05", "95.52", "0.899", "0.941",
            "-25.79", "0.899", "0" },
        { { 0.5, 0.3, 35, 45, 3.0, 200 }, "0", "-44", "88.38", "244", "276.1", "15.68", "88.38",
            "155.6" },
        { { 0.5, -0.3, 35, 45, 3.0, 200 }, "0", "-44", "88.38", "244", "276.1", "15.68", "88.38",
            "155.6" }, // |va|
        { { 0, 0.3, 35, 45, 3.0, 200 }, "0", "-73", "147.7", "273", "184.8", "19.48", "147.7",
            "125.3" }, // nude
        { { 0.5, 0, 30, 30, 2.0, 150 }, "1.451", "22", "15.90", nullptr, "795.9", "22.05", nullptr,
            nullptr }, // still air: 0.01 m/s
        { { 0.5, 5, 30, 30, 1.0, 300 }, nullptr, nullptr, "390", nullptr, "55.79", nullptr, nullptr,
            nullptr }, // capped
        { { 0.5, 1, 35, 35, 0.0, 400 }, "0", "0", "390", "400", "102.56", "244", "390",
            "10" }, // 392 capped
        { { 0.5, 1, 35, 35, 0.1, 400 }, "0", "0", "385", "400", "103.90", "162.67", "385",
            "15" }, // below the cap
        { { 0.5, 1, 10, 10, 1.0, 100 }, "115", "110", "322", "-125", nullptr, nullptr, "0",
            "-125" }, // cooling
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << r.in);
        const HeatStress h = heatStressOf(r.in);
        EXPECT_PRED_FORMAT2(RoundsTo, h.C, r.C);
        EXPECT_PRED_FORMAT2(RoundsTo, h.R, r.R);
        EXPECT_PRED_FORMAT2(RoundsTo, h.Emax, r.Emax);
        EXPECT_PRED_FORMAT2(RoundsTo, h.Ereq, r.Ereq);
        EXPECT_PRED_FORMAT2(RoundsTo, h.ISC, r.ISC);
        ASSERT_TRUE(h.TEP.has_value());
        EXPECT_PRED_FORMAT2(RoundsTo, *h.TEP, r.TEP);
        EXPECT_PRED_FORMAT2(RoundsTo, h.E, r.E);
        EXPECT_PRED_FORMAT2(RoundsTo, h.Ac, r.Ac);
    }
}

TEST(HeatStressIndex, LeavesExposureTimeUndefinedWhereRequiredEqualsMaximal)
{
    // va = 1 and ta = tr = 35 make Emax = 7·(56 − 25) = 217 exactly and Ereq = M.
    const HeatStress h = heatStressOf({ 0.5, 1, 35, 35, 2.5, 217 });
    EXPECT_EQ(h.ISC, 100.0);
    EXPECT_FALSE(h.TEP.has_value());
    EXPECT_EQ(h.Ac, 0.0);
}

} // namespace
} // namespace kalvora::engine
