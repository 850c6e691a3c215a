#include "engine/pmv.h"
#include "engine/psychrometrics.h"
#include "rounds_to.h"

#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

// Rows in the order the worked examples give their values.
struct Conditions
{
    double M, ta, Icl, tr, var, fcl, pa;
};

std::ostream &operator<<(std::ostream &out, const Conditions &c)
{
    return out << "M=" << c.M << " ta=" << c.ta << " Icl=" << c.Icl << " tr=" << c.tr
               << " var=" << c.var << " fcl=" << c.fcl << " pa=" << c.pa;
}

ComfortConditions comfortOf(const Conditions &c)
{
    return { .metabolicRate = c.M,
        .clothingInsulation = c.Icl,
        .clothingAreaFactor = c.fcl,
        .airTemperature = c.ta,
        .meanRadiantTemperature = c.tr,
        .vapourPressure = c.pa,
        .relativeAirVelocity = c.var };
}

ClothingSurface surfaceOf(const Conditions &c)
{
    return ClothingSurfaceTemperature(comfortOf(c));
}

PmvBalance balanceOf(const Conditions &c)
{
    return FangerPmv(comfortOf(c), surfaceOf(c));
}

// The worked example carries its shared values unrounded from the steps before: globe 20 °C in
// air at 18 °C moving at 0.15 m/s (tr = 21.58), 65 % relative humidity (pa = 1.3405).
const Conditions kCool { 85, 18, 0.7,
    MeanRadiantFromGlobe({ .airVelocity = 0.15, .airTemperature = 18, .globeTemperature = 20 }),
    RelativeAirVelocity({ .airVelocity = 0.15, .metabolicRate = 85 }), ClothingAreaFactor(0.7),
    ComputeHumidity(
        { .airTemperature = 18, .measure = HumidityMeasure::RelativeHumidity, .value = 65 })
        .pvap };

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
    // Hot and active: the natural-convection iterate falls below ta. The forced balance, solved
    // by bisection outside this program, has its root at 29.669 °C, where the comfort equation
    // gives PMV 3.986.
    const Conditions c { 232, 30, 0.5, 30, 1.0, 1.10, 2.0 };
    const ClothingSurface s = surfaceOf(c);
    EXPECT_DOUBLE_EQ(s.hc, 12.1);
    EXPECT_PRED_FORMAT2(RoundsTo, s.tcl, "29.669");
    const PmvBalance b = balanceOf(c);
    EXPECT_PRED_FORMAT2(RoundsTo, b.PMV, "3.986");
    EXPECT_PRED_FORMAT2(RoundsTo, b.PPD, "100.00");
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
