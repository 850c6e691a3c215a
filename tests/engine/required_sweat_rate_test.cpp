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
    return RequiredSweatRate({ .exchange = { .metabolicRate = c.M,
                                   .clothingInsulation = c.Icl,
                                   .airTemperature = c.ta,
                                   .meanRadiantTemperature = c.tr,
                                   .vapourPressure = c.pa,
                                   .airVelocity = c.va },
        .relativeAirVelocity = c.var,
        .posture = c.posture });
}

constexpr std::array<const char *, 11> kScalarNames { "tsk", "Cres", "Eres", "hc", "hr", "C", "R",
    "Emax", "Ereq", "E", "Ac" };

// A criterion's published values: wp, rp, SWp, DLE, and the limit Dmax it was worked out with.
struct PublishedCriterion
{
    const char *wp, *rp, *SWp, *Dmax, *DLE;
};

struct WorkedExample
{
    const char *name;
    Conditions conditions;
    std::array<const char *, 11> scalars; // in the order of kScalarNames; nullptr: not published
    PerSweatCriterion<PublishedCriterion> criteria;
};

const WorkedExample kWorkedExamples[] = {
    { "hot", { 35, 45, 0.3, 150, 0.5, Posture::Standing, 2.2491, 0.7784 },
        { "34.087", "0", "8.758", "7.5477", "5.1733", "-3.718", "-30.461", "183.72", "175.42",
            "141.05", "34.37" },
        { {
            PublishedCriterion { "0.76777", "0.63875", "200", "1000", "87.29" },
            PublishedCriterion { "0.85", "0.63875", "244.48", "1250", "186.90" },
            PublishedCriterion { "0.92872", "0.54414", "300", "1500", "300.0" },
            PublishedCriterion { "0.95484", "0.54414", "322.38", "2000", "372.23" },
        } } },
    // rp follows from the published wp as 1 − wp²/2; E equals Ereq, so nothing is stored.
    { "moderate", { 30, 30, 0.2, 100, 0.6, Posture::Seated, 2.0, 0.4184 },
        { "32.52", nullptr, nullptr, "5.6757", "4.3376", nullptr, nullptr, "138.85", "78.83",
            "78.83", "0.0000" },
        { {
            PublishedCriterion { "0.56771", "0.83885", "93.97", "1000", "-1" },
            PublishedCriterion { "0.56771", "0.83885", "93.97", "1250", "-1" },
            PublishedCriterion { "0.56771", "0.83885", "93.97", "1500", "-1" },
            PublishedCriterion { "0.56771", "0.83885", "93.97", "2000", "-1" },
        } } },
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
        for (const SweatCriterion criterion : kSweatCriteria) {
            SCOPED_TRACE(static_cast<int>(criterion));
            const PredictedSweat &predicted = r.criteria[criterion];
            const PublishedCriterion &published = example.criteria[criterion];
            EXPECT_PRED_FORMAT2(RoundsTo, predicted.wp, published.wp);
            EXPECT_PRED_FORMAT2(RoundsTo, predicted.rp, published.rp);
            EXPECT_PRED_FORMAT2(RoundsTo, predicted.SWp, published.SWp);
            EXPECT_PRED_FORMAT2(RoundsTo, sweatLimits[criterion].Dmax, published.Dmax);
            EXPECT_PRED_FORMAT2(RoundsTo, predicted.DLE, published.DLE);
        }
    }
}

// The branches of the exposure time: water loss against eight hours, and heat storage.
TEST(PredictedSweatCriterion, ChoosesTheLimitingExposure)
{
    struct Row
    {
        const char *name;
        SweatCriterionInputs in;
        double wp, rp, SWp, DLE;
    };
    // Inputs: wreq, Emax, then the criterion's wmax, SWmax, Qmax, Dmax.
    const Row rows[] = {
        { "no storage, below the water limit", { 0.4, 100, 0.85, 200, 50, 1000 }, 0.4, 0.92,
            43.478260869565219, -1 },
        { "no storage, SWp exactly Dmax/8", { 0.5, 218.75, 0.85, 200, 50, 1000 }, 0.5, 0.875, 125,
            480 },
        { "no storage, above the water limit", { 0.6, 200, 0.85, 200, 50, 1000 }, 0.6, 0.82,
            146.34146341463415, 410 },
        { "storage limits", { 0.95484, 183.72, 0.85, 250, 60, 1250 }, 0.85, 0.63875, 244.48062622,
            186.90419615 },
        { "nothing required", { 0, 150, 1.0, 300, 50, 1500 }, 0, 1, 0, -1 },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const PredictedSweat c = PredictedSweatCriterion(r.in);
        EXPECT_NEAR(c.wp, r.wp, 1e-4);
        EXPECT_NEAR(c.rp, r.rp, 1e-4);
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
    // The published SWmax of ISO 7933, W/m²: at rest 100, 150 and 200; at work the alarm limit
    // of the non-acclimatized, 200, caps, while the danger limit, 250, leaves room.
    using enum SweatCriterion;
    EXPECT_EQ(rest.criteria[AlarmNonAcclimatized].SWp, 100);
    EXPECT_EQ(rest.criteria[DangerNonAcclimatized].SWp, 150);
    EXPECT_EQ(rest.criteria[AlarmAcclimatized].SWp, 200);
    EXPECT_EQ(work.criteria[AlarmNonAcclimatized].SWp, 200);
    EXPECT_LT(work.criteria[DangerNonAcclimatized].SWp, 250);
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
        const char *tsk; // the regression's value, worked out by hand, or 36 outside
    };
    const Row rows[] = {
        { "ta low", &Conditions::ta, 22.9, "31.8595" },
        { "ta below", &Conditions::ta, 22.89, "36" },
        { "ta high", &Conditions::ta, 50.6, "34.4356" },
        { "ta above", &Conditions::ta, 50.61, "36" },
        { "tr low", &Conditions::tr, 24.1, "32.2543" },
        { "tr below", &Conditions::tr, 24.09, "36" },
        { "tr high", &Conditions::tr, 49.5, "33.3973" },
        { "tr above", &Conditions::tr, 49.51, "36" },
        { "pa low", &Conditions::pa, 0.8, "32.2150" },
        { "pa below", &Conditions::pa, 0.79, "36" },
        { "pa high", &Conditions::pa, 4.8, "33.2310" },
        { "pa above", &Conditions::pa, 4.81, "36" },
        { "va low", &Conditions::va, 0.2, "32.5198" },
        { "va below", &Conditions::va, 0.1, "36" },
        { "va high", &Conditions::va, 0.9, "32.1201" },
        { "va above", &Conditions::va, 0.91, "36" },
        { "M low", &Conditions::M, 46.4, "32.451192" },
        { "M below", &Conditions::M, 46.39, "36" },
        { "M high", &Conditions::M, 272, "32.73996" },
        { "M above", &Conditions::M, 272.01, "36" },
        { "Icl low", &Conditions::Icl, 0.1, "34.3048" },
        { "Icl below", &Conditions::Icl, 0.09, "36" },
        { "Icl high", &Conditions::Icl, 0.6, "32.5198" },
        { "Icl above", &Conditions::Icl, 0.61, "36" },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Conditions c = kWorkedExamples[1].conditions;
        c.*r.input = r.value;
        EXPECT_PRED_FORMAT2(RoundsTo, sweatRateOf(c).tsk, r.tsk);
    }
}

TEST(RequiredSweatRate, NoRequiredEvaporationLimitsNothing)
{
    const SweatRate r = sweatRateOf({ 10, 10, 0.2, 60, 1.0, Posture::Standing, 1.0, 0.2 });
    ASSERT_LT(60 - r.R - r.C - r.Cres - r.Eres, 0);
    for (const PredictedSweat &predicted : r.criteria) {
        EXPECT_EQ(predicted.wp, 0);
        EXPECT_EQ(predicted.SWp, 0);
        EXPECT_EQ(predicted.DLE, -1);
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
        for (const SweatCriterion criterion : kSweatCriteria)
            EXPECT_NEAR(atLimit.criteria[criterion].SWp, near.criteria[criterion].SWp,
                1e-6 * near.criteria[criterion].SWp);
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
