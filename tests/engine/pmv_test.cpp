#include "engine/pmv.h"
#include "engine/psychrometrics.h"
#include "rounds_to.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

struct Conditions
{
    double M, ta, Icl, tr, var, fcl, pa;
};

std::ostream &operator<<(std::ostream &out, const Conditions &c)
{
    return out << "M=" << c.M << " ta=" << c.ta << " Icl=" << c.Icl << " tr=" << c.tr
               << " var=" << c.var << " fcl=" << c.fcl << " pa=" << c.pa;
}

ClothingSurface surfaceOf(const Conditions &c)
{
    return ClothingSurfaceTemperature(c.M, c.Icl, c.tr, c.ta, c.fcl, c.var);
}

PmvBalance balanceOf(const Conditions &c)
{
    const ClothingSurface s = surfaceOf(c);
    return FangerPmv(c.M, c.pa, c.ta, s.tcl, s.hc, c.fcl, c.tr);
}

// The worked example carries its shared values unrounded from the steps before: globe 20 °C in
// air at 18 °C moving at 0.15 m/s (tr = 21.58), 65 % relative humidity (pa = 1.3405).
const Conditions kCool { 85, 18, 0.7, MeanRadiantFromGlobe(0.15, 18, 20),
    RelativeAirVelocity(0.15, 85), ClothingAreaFactor(0.7),
    ComputeHumidity(65, 0, 0, 18, true, false).pvap };

TEST(ClothingSurfaceTemperature, ChoosesTheLargerConvectiveCoefficient)
{
    struct Row
    {
        Conditions c;
        const char *tcl, *hc;
    };
    const Row kRows[] = {
        { kCool, "25.46", "6.521" }, // forced wins
        { { 58, 22, 1.0, 22, 0.1, 1.15, 1.2 }, "26.98", "3.826" }, // forced wins, hf above hn
        { { 58, 16, 0.5, 16, 0.1, 1.10, 1.0 }, "26.57", "4.291" }, // natural wins
        // Nude: both iterations end at 35.7 − 0.028·M; only hc is chosen.
        { { 58, 22, 0, 22, 0.1, 1.0, 1.2 }, "34.076", "4.437" }, // 2.38·12.076^0.25 > 12.1·√0.1
        { { 58, 22, 0, 22, 0.2, 1.0, 1.2 }, "34.076", "5.411" }, // 12.1·√0.2 wins
        { { 58, 35, 0, 35, 0.1, 1.0, 1.2 }, "34.076", "3.826" }, // skin below ta: natural undefined
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << r.c);
        const ClothingSurface s = surfaceOf(r.c);
        EXPECT_PRED_FORMAT2(RoundsTo, s.tcl, r.tcl);
        EXPECT_PRED_FORMAT2(RoundsTo, s.hc, r.hc);
    }
}

TEST(ClothingSurfaceTemperature, KeepsForcedSolutionWhereNaturalIsUndefined)
{
    // Hot and active: the natural-convection iterate falls below ta.
    const Conditions c { 232, 30, 0.5, 30, 1.0, 1.10, 2.0 };
    const ClothingSurface s = surfaceOf(c);
    EXPECT_DOUBLE_EQ(s.hc, 12.1);
    EXPECT_LT(s.tcl, c.ta);
    // The forced solution balances the clothing: (tsk − tcl)/(0.155·Icl) = R + C.
    const PmvBalance b = FangerPmv(c.M, c.pa, c.ta, s.tcl, s.hc, c.fcl, c.tr);
    EXPECT_NEAR((35.7 - 0.028 * c.M - s.tcl) / (0.155 * c.Icl), b.R + b.C, 0.01);
    EXPECT_TRUE(std::isfinite(b.PMV));
    EXPECT_TRUE(std::isfinite(b.PPD));
}

TEST(FangerPmv, MatchesWorkedVotes)
{
    struct Row
    {
        Conditions c;
        const char *PMV, *PPD;
    };
    const Row kRows[] = {
        { kCool, "-0.791", "18.19" },
        { { 58, 22, 1.0, 22, 0.1, 1.15, 1.2 }, "-0.386",
            "8.11" }, // Esw = −0.063 enters with its sign
        { { 58, 16, 0.5, 16, 0.1, 1.10, 1.0 }, "-3.82", "100.0" },
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << r.c);
        const PmvBalance b = balanceOf(r.c);
        EXPECT_PRED_FORMAT2(RoundsTo, b.PMV, r.PMV);
        EXPECT_PRED_FORMAT2(RoundsTo, b.PPD, r.PPD);
    }
}

TEST(FangerPmv, GivesEveryBalanceTerm)
{
    const PmvBalance b = balanceOf(kCool);
    EXPECT_PRED_FORMAT2(RoundsTo, b.R, "17.95");
    EXPECT_PRED_FORMAT2(RoundsTo, b.C, "54.48");
    EXPECT_PRED_FORMAT2(RoundsTo, b.Eres, "6.541");
    EXPECT_PRED_FORMAT2(RoundsTo, b.Cres, "1.904");
    EXPECT_PRED_FORMAT2(RoundsTo, b.Esw, "11.277");
    EXPECT_PRED_FORMAT2(RoundsTo, b.Ac, "-7.159");
}

// The dissatisfied percentage of ISO 7730 for votes on either side of neutral: 5 % at 0, about
// 10 % at ±0.5, 26 % at ±1 and 77 % at ±2; the curve is symmetric.
TEST(PredictedPercentageDissatisfied, MatchesPublishedCurve)
{
    struct Row
    {
        double PMV;
        const char *PPD;
    };
    const Row kRows[] = { { 0, "5.0" }, { 0.5, "10" }, { 1, "26" }, { 2, "77" }, { 3, "99" } };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "PMV=" << r.PMV);
        EXPECT_PRED_FORMAT2(RoundsTo, PredictedPercentageDissatisfied(r.PMV), r.PPD);
        EXPECT_PRED_FORMAT2(RoundsTo, PredictedPercentageDissatisfied(-r.PMV), r.PPD);
    }
}

} // namespace
} // namespace kalvora::engine
