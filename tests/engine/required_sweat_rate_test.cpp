#include "engine/fault.h"
#include "engine/psychrometrics.h"
#include "engine/required_sweat_rate.h"
#include "rounds_to.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

struct Conditions
{
    double ta, tr, va, M, Icl;
    Posture posture;
    double pa, var;
};

SweatRate sweatRateOf(const Conditions &c)
{
    return RequiredSweatRate(c.tr, c.va, c.M, { c.ta, c.Icl, c.posture, c.pa, c.var });
}

constexpr std::array<const char *, 11> kScalarNames { "tsk", "Cres", "Eres", "hc", "hr", "C", "R",
    "Emax", "Ereq", "E", "Ac" };
constexpr std::array<const char *, 5> kRowNames { "wp", "rp", "SWp", "Dmax", "DLE" };

struct WorkedExample
{
    const char *name;
    Conditions conditions;
    std::array<const char *, 11> scalars; // in the order of kScalarNames; nullptr: not published
    std::array<std::array<const char *, 4>, 5> criteria; // rows of kRowNames, columns naa nap aa ap
};

const WorkedExample kWorkedExamples[] = {
    { "hot", { 35, 45, 0.3, 150, 0.5, Posture::Standing, 2.2491, 0.7784 },
        { "34.087", "0", "8.758", "7.5477", "5.1733", "-3.718", "-30.461", "183.72", "175.42",
            "141.05", "34.37" },
        { { { "0.76777", "0.85", "0.92872", "0.95484" },
            { "0.63875", "0.63875", "0.54414", "0.54414" }, { "200", "244.48", "300", "322.38" },
            { "1000", "1250", "1500", "2000" }, { "87.29", "186.90", "300.0", "372.23" } } } },
    // rp follows from the published wp as 1 − wp²/2; E equals Ereq, so nothing is stored.
    { "moderate", { 30, 30, 0.2, 100, 0.6, Posture::Seated, 2.0, 0.4184 },
        { "32.52", nullptr, nullptr, "5.6757", "4.3376", nullptr, nullptr, "138.85", "78.83",
            "78.83", "0.0000" },
        { { { "0.56771", "0.56771", "0.56771", "0.56771" },
            { "0.83885", "0.83885", "0.83885", "0.83885" }, { "93.97", "93.97", "93.97", "93.97" },
            { "1000", "1250", "1500", "2000" }, { "-1", "-1", "-1", "-1" } } } },
};

TEST(RequiredSweatRate, MatchesWorkedExamples)
{
    for (const WorkedExample &example : kWorkedExamples) {
        SCOPED_TRACE(example.name);
        const SweatRate r = sweatRateOf(example.conditions);
        const double M = example.conditions.M;
        const double Ereq = M - r.R - r.C - r.Cres - r.Eres;
        const std::array<double, 11> actual { r.tsk, r.Cres, r.Eres, r.hc, r.hr, r.C, r.R, r.Emax,
            Ereq, r.E, r.Ac };
        for (std::size_t i = 0; i < actual.size(); ++i)
            EXPECT_PRED_FORMAT2(RoundsTo, actual[i], example.scalars[i]) << kScalarNames[i];
        for (std::size_t row = 0; row < kRowNames.size(); ++row)
            for (std::size_t column = 0; column < 4; ++column)
                EXPECT_PRED_FORMAT2(
                    RoundsTo, r.swCriteria[row][column], example.criteria[row][column])
                    << kRowNames[row] << " column " << column;
    }
}

// The branches of the exposure time: water loss against eight hours, and heat storage.
TEST(PredictedSweatCriterion, ChoosesTheLimitingExposure)
{
    struct Row
    {
        const char *name;
        double wreq, wmax, SWmax, Qmax, Dmax, Emax;
        double wp, SWp, DLE;
    };
    const Row rows[] = {
        { "no storage, below the water limit", 0.4, 0.85, 200, 50, 1000, 100, 0.4,
            43.478260869565219, -1 },
        { "no storage, SWp exactly Dmax/8", 0.5, 0.85, 200, 50, 1000, 218.75, 0.5, 125, 480 },
        { "no storage, above the water limit", 0.6, 0.85, 200, 50, 1000, 200, 0.6,
            146.34146341463415, 410 },
        { "storage limits", 0.95484, 0.85, 250, 60, 1250, 183.72, 0.85, 244.48062622,
            186.90419615 },
        { "nothing required", 0, 1.0, 300, 50, 1500, 150, 0, 0, -1 },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const SweatCriterion c
            = PredictedSweatCriterion(r.wreq, r.wmax, r.SWmax, r.Qmax, r.Dmax, r.Emax);
        EXPECT_NEAR(c.wp, r.wp, 1e-4);
        EXPECT_NEAR(c.rp, 1 - r.wp * r.wp / 2, 1e-4);
        EXPECT_NEAR(c.SWp, r.SWp, 1e-4);
        EXPECT_NEAR(c.DLE, r.DLE, 1e-4);
    }
}

// A hot, windy environment where every criterion would sweat more than its limit allows.
constexpr Conditions kSweltering { 45, 60, 1.0, 65, 0.3, Posture::Standing, 1.0, 3.0 };

TEST(RequiredSweatRate, WorkLimitsFromSixtyFiveWattsPerSquareMetre)
{
    Conditions resting = kSweltering;
    resting.M = 64.9;
    const SweatRate rest = sweatRateOf(resting);
    const SweatRate work = sweatRateOf(kSweltering);
    for (std::size_t column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(rest.swCriteria[2][column], sweatLimits[column].SWmaxRest);
    }
    EXPECT_EQ(work.swCriteria[2][0], sweatLimits[0].SWmaxWork);
    EXPECT_LT(work.swCriteria[2][1], sweatLimits[1].SWmaxWork);
}

// The skin-temperature regression holds inside its ranges, bounds included; one input outside
// any of them gives 36 °C. Starting point: the moderate example, inside every range.
TEST(RequiredSweatRate, SkinTemperatureRegressionOnlyInsideItsRanges)
{
    struct Row
    {
        const char *name;
        double Conditions::*input;
        double value;
        bool inside;
    };
    const Row rows[] = {
        { "ta low", &Conditions::ta, 22.9, true },
        { "ta below", &Conditions::ta, 22.89, false },
        { "ta high", &Conditions::ta, 50.6, true },
        { "ta above", &Conditions::ta, 50.61, false },
        { "tr low", &Conditions::tr, 24.1, true },
        { "tr below", &Conditions::tr, 24.09, false },
        { "tr high", &Conditions::tr, 49.5, true },
        { "tr above", &Conditions::tr, 49.51, false },
        { "pa low", &Conditions::pa, 0.8, true },
        { "pa below", &Conditions::pa, 0.79, false },
        { "pa high", &Conditions::pa, 4.8, true },
        { "pa above", &Conditions::pa, 4.81, false },
        { "va low", &Conditions::va, 0.2, true },
        { "va below", &Conditions::va, 0.1, false },
        { "va high", &Conditions::va, 0.9, true },
        { "va above", &Conditions::va, 0.91, false },
        { "M low", &Conditions::M, 46.4, true },
        { "M below", &Conditions::M, 46.39, false },
        { "M high", &Conditions::M, 272, true },
        { "M above", &Conditions::M, 272.01, false },
        { "Icl low", &Conditions::Icl, 0.1, true },
        { "Icl below", &Conditions::Icl, 0.09, false },
        { "Icl high", &Conditions::Icl, 0.6, true },
        { "Icl above", &Conditions::Icl, 0.61, false },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Conditions c = kWorkedExamples[1].conditions;
        c.*r.input = r.value;
        const double regression = 30 + 0.093 * c.ta + 0.045 * c.tr - 0.571 * c.va + 0.254 * c.pa
            + 0.00128 * c.M - 3.57 * c.Icl;
        EXPECT_EQ(sweatRateOf(c).tsk, r.inside ? regression : 36.0);
    }
}

TEST(RequiredSweatRate, NoRequiredEvaporationLimitsNothing)
{
    const SweatRate r = sweatRateOf({ 10, 10, 0.2, 60, 1.0, Posture::Standing, 1.0, 0.2 });
    ASSERT_LT(60 - r.R - r.C - r.Cres - r.Eres, 0);
    for (std::size_t column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(r.swCriteria[0][column], 0);
        EXPECT_EQ(r.swCriteria[2][column], 0);
        EXPECT_EQ(r.swCriteria[4][column], -1);
    }
}

// Skin at the radiant temperature (tsk = 36 outside the regression's ranges, tr = 36): the
// radiative coefficient takes its limit and the results join those of a radiant temperature
// a hair away on either side.
TEST(RequiredSweatRate, SkinAtRadiantTemperatureIsContinuous)
{
    Conditions c { 30, 36, 0.1, 100, 0.6, Posture::Seated, 2.0, 0.4184 };
    const SweatRate atLimit = sweatRateOf(c);
    ASSERT_EQ(atLimit.tsk, c.tr);
    for (const double offset : { -1e-6, 1e-6 }) {
        SCOPED_TRACE(offset);
        c.tr = 36 + offset;
        const SweatRate near = sweatRateOf(c);
        EXPECT_NEAR(atLimit.hr, near.hr, 1e-6 * near.hr);
        EXPECT_NEAR(atLimit.Emax, near.Emax, 1e-6 * near.Emax);
        for (std::size_t column = 0; column < 4; ++column)
            EXPECT_NEAR(atLimit.swCriteria[2][column], near.swCriteria[2][column],
                1e-6 * near.swCriteria[2][column]);
    }
}

TEST(RequiredSweatRate, ZeroDenominatorsAreFaultsOfTheirStep)
{
    struct Row
    {
        const char *name;
        Conditions conditions;
        const char *step;
    };
    const Row rows[] = {
        // Air saturated at the skin temperature: the environment allows no evaporation.
        { "Emax = 0", { 30, 36, 0.1, 100, 0.6, Posture::Seated, SaturationPressure(36), 0.4184 },
            "wreq = Ereq/Emax" },
        // Skin at air temperature with a negative forced coefficient (hc = hn = 0), and
        // (tr + 273)⁴ = (tsk + 273)⁴ at tr = −582 (hr = 0).
        { "hc + hr = 0", { 36, -582, 0.1, 100, 0.6, Posture::Seated, 2.0, -1 }, "Icle" },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        try {
            sweatRateOf(r.conditions);
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticFault &fault) {
            EXPECT_EQ(fault.kind(), FaultKind::DivisionByZero);
            EXPECT_STREQ(fault.step(), r.step);
        }
    }
}

} // namespace
} // namespace kalvora::engine
