#include "engine/psychrometrics.h"
#include "rounds_to.h"

#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

TEST(SaturationPressure, MatchesWorkedValues)
{
    struct Row
    {
        double t;
        const char *ps;
    };
    constexpr Row kRows[] = { { 20, "2.3368" }, { 30, "4.2427" }, { 0, "0.6088" } };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "t=" << r.t);
        EXPECT_PRED_FORMAT2(RoundsTo, SaturationPressure(r.t), r.ps);
    }
}

TEST(RelativeAirVelocity, AddsActivityAndReplacesNonPositive)
{
    struct Row
    {
        double va, M;
        const char *var;
    };
    constexpr Row kRows[] = {
        { 0.1, 58, "0.1" }, { 0.15, 85, "0.2904" }, { 0, 40, "0.0001" }, // computed −0.0936
        { 0, 58, "0.0001" }, // computed exactly 0
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "va=" << r.va << " M=" << r.M);
        EXPECT_PRED_FORMAT2(
            RoundsTo, RelativeAirVelocity({ .airVelocity = r.va, .metabolicRate = r.M }), r.var);
    }
}

TEST(ClothingAreaFactor, SwitchesFormulaAtHalfClo)
{
    struct Row
    {
        double Icl;
        const char *fcl;
    };
    constexpr Row kRows[] = { { 0.49, "1.098" }, { 0.5, "1.10" }, { 1.0, "1.15" }, { 0, "1.000" } };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "Icl=" << r.Icl);
        EXPECT_PRED_FORMAT2(RoundsTo, ClothingAreaFactor(r.Icl), r.fcl);
    }
}

TEST(MeanRadiantFromGlobe, TakesForcedBranchFromPointFifteen)
{
    struct Row
    {
        double va, ta, tg;
        const char *TRM;
    };
    constexpr Row kRows[] = {
        { 0.1, 25, 30, "32.78" }, // natural convection
        { 0.2, 25, 30, "34.19" }, // forced
        { 0.15, 18, 20, "21.58" }, // boundary: forced
        { 0.1, 25, 25, "25.00" }, // tg = ta, natural
        { 0.5, 25, 25, "25.00" }, // tg = ta, forced
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "va=" << r.va << " ta=" << r.ta << " tg=" << r.tg);
        EXPECT_PRED_FORMAT2(RoundsTo,
            MeanRadiantFromGlobe(
                { .airVelocity = r.va, .airTemperature = r.ta, .globeTemperature = r.tg }),
            r.TRM);
    }
}

TEST(OperativeTemperature, WeightsByRelativeVelocity)
{
    struct Row
    {
        double var;
        const char *to;
    };
    constexpr Row kRows[] = {
        { 0.1, "25.0" },
        { 0.19, "25.0" },
        { 0.2, "24.0" },
        { 0.59, "24.0" },
        { 0.6, "23.0" },
        { 1.0, "23.0" },
        { 1.01, "20" },
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message() << "var=" << r.var);
        EXPECT_PRED_FORMAT2(RoundsTo,
            OperativeTemperature({ .relativeAirVelocity = r.var,
                .airTemperature = 20,
                .meanRadiantTemperature = 30 }),
            r.to);
    }
}

TEST(ComputeHumidity, DerivesTheTwoMembersNotGiven)
{
    using enum HumidityMeasure;
    struct Row
    {
        HumidityMeasure given;
        double value, ta;
        const char *Hrel, *pvap, *ttbh;
    };
    constexpr Row kRows[] = {
        { RelativeHumidity, 50, 25, "50", "1.5834", "17.94" },
        { RelativeHumidity, 65, 18, "65", "1.3405", "14.06" },
        { WetBulbTemperature, 17, 25, "44.29", "1.4024", "17" },
        { VapourPressure, 1.5, 18, "72.73", "1.5", "14.98" },
        { RelativeHumidity, 100, 30, "100", "4.2427", "30.00" }, // saturated: wet bulb = ta
        { VapourPressure, 5.0, 30, "117.85", "5.0", "32.33" }, // above saturation: above ta
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(testing::Message()
            << "given=" << static_cast<int>(r.given) << " value=" << r.value << " ta=" << r.ta);
        const Humidity h
            = ComputeHumidity({ .airTemperature = r.ta, .measure = r.given, .value = r.value });
        EXPECT_PRED_FORMAT2(RoundsTo, h.Hrel, r.Hrel);
        EXPECT_PRED_FORMAT2(RoundsTo, h.pvap, r.pvap);
        EXPECT_PRED_FORMAT2(RoundsTo, h.ttbh, r.ttbh);
    }
}

} // namespace
} // namespace kalvora::engine
