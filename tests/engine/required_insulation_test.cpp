#include "engine/fault.h"
#include "engine/required_insulation.h"
#include "rounds_to.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

// Inputs in the order the worked examples give them.
struct Conditions
{
    double M, ta, pa, va, tr, Icl;
};

RequiredInsulationResult insulationOf(const Conditions &c)
{
    return RequiredInsulation({ .metabolicRate = c.M,
        .clothingInsulation = c.Icl,
        .airTemperature = c.ta,
        .meanRadiantTemperature = c.tr,
        .vapourPressure = c.pa,
        .airVelocity = c.va });
}

// Every number of a result under its name; an unlimited exposure has no number and no entry.
std::vector<std::pair<std::string, double>> numbersOf(const RequiredInsulationResult &r)
{
    std::vector<std::pair<std::string, double>> numbers { { "Cres", r.Cres }, { "Eres", r.Eres },
        { "hr", r.hr }, { "hc", r.hc }, { "tcl", r.tcl } };
    const auto addBalance = [&](const std::string &name, const InsulationBalance &b) {
        numbers.insert(numbers.end(),
            { { name + " R", b.R }, { name + " C", b.C }, { name + " E", b.E },
                { name + " S", b.S } });
        if (b.DLE)
            numbers.emplace_back(name + " DLE", *b.DLE);
    };
    for (const auto &[name, criterion] :
        { std::pair { "minimal", &r.minimal }, std::pair { "neutral", &r.neutral } }) {
        numbers.emplace_back(std::string(name) + " IREQ", criterion->IREQ);
        addBalance(std::string(name) + " at IREQ", criterion->required);
        addBalance(std::string(name) + " worn", criterion->worn);
    }
    return numbers;
}

struct WorkedExample
{
    const char *name;
    Conditions conditions;
    // nullptr: not published
    const char *hc, *hr, *tcl, *Cres, *Eres, *IREQmin, *IREQneut;
    const char *wornR, *wornC, *wornE; // the worn clothing under the minimal criteria
    const char *wornMinimalS, *wornMinimalDLE, *wornNeutralS, *wornNeutralDLE;
};

const WorkedExample kWorkedExamples[] = {
    { "M 100, -5 degrees, 1.5 clo", { 100, -5, 0.3, 0.5, -5, 1.5 }, "7.2357", "3.3326", "2.638",
        "4.62", "6.1514", "2.278", "2.612", "37.11", "80.58", "5.080", "-33.54", "1.193", "-48.14",
        "0.831" },
    { "M 85, 0 degrees, 2.5 clo", { 85, 0, 0.4, 0.2, 0, 2.5 }, "5.2701", nullptr, "4.309", nullptr,
        nullptr, "2.228", "2.627", nullptr, nullptr, nullptr, "6.572", "-6.086", "-3.077",
        "13.00" },
};

TEST(RequiredInsulation, MatchesWorkedExamples)
{
    for (const WorkedExample &example : kWorkedExamples) {
        SCOPED_TRACE(example.name);
        const RequiredInsulationResult r = insulationOf(example.conditions);
        EXPECT_PRED_FORMAT2(RoundsTo, r.hc, example.hc);
        EXPECT_PRED_FORMAT2(RoundsTo, r.hr, example.hr);
        EXPECT_PRED_FORMAT2(RoundsTo, r.tcl, example.tcl);
        EXPECT_PRED_FORMAT2(RoundsTo, r.Cres, example.Cres);
        EXPECT_PRED_FORMAT2(RoundsTo, r.Eres, example.Eres);
        EXPECT_PRED_FORMAT2(RoundsTo, r.minimal.IREQ, example.IREQmin);
        EXPECT_PRED_FORMAT2(RoundsTo, r.neutral.IREQ, example.IREQneut);
        EXPECT_PRED_FORMAT2(RoundsTo, r.minimal.worn.R, example.wornR);
        EXPECT_PRED_FORMAT2(RoundsTo, r.minimal.worn.C, example.wornC);
        EXPECT_PRED_FORMAT2(RoundsTo, r.minimal.worn.E, example.wornE);
        EXPECT_PRED_FORMAT2(RoundsTo, r.minimal.worn.S, example.wornMinimalS);
        EXPECT_PRED_FORMAT2(RoundsTo, r.neutral.worn.S, example.wornNeutralS);
        ASSERT_TRUE(r.minimal.worn.DLE && r.neutral.worn.DLE);
        EXPECT_PRED_FORMAT2(RoundsTo, *r.minimal.worn.DLE, example.wornMinimalDLE);
        EXPECT_PRED_FORMAT2(RoundsTo, *r.neutral.worn.DLE, example.wornNeutralDLE);
        // At the required insulations the balance closes: S is a residual near 0, the exposure
        // limit huge, and both are still numbers.
        for (const InsulationCriterion *criterion : { &r.minimal, &r.neutral }) {
            EXPECT_LT(std::fabs(criterion->required.S), 1e-4);
            ASSERT_TRUE(criterion->required.DLE.has_value());
            EXPECT_GT(std::fabs(*criterion->required.DLE), 1e5);
        }
    }
}

// The required insulations alone (the air-velocity sweep's road) are the published ones too.
TEST(RequiredInsulation, LevelsAloneMatchWorkedExamples)
{
    for (const WorkedExample &example : kWorkedExamples) {
        SCOPED_TRACE(example.name);
        const Conditions &c = example.conditions;
        const RequiredInsulationLevels levels = RequiredInsulationOnly({ .metabolicRate = c.M,
            .clothingInsulation = c.Icl,
            .airTemperature = c.ta,
            .meanRadiantTemperature = c.tr,
            .vapourPressure = c.pa,
            .airVelocity = c.va });
        EXPECT_PRED_FORMAT2(RoundsTo, levels.minimal, example.IREQmin);
        EXPECT_PRED_FORMAT2(RoundsTo, levels.neutral, example.IREQneut);
    }
}

// The relative air velocity of this method bounds the walking term at 0.7 m/s, and the
// convective coefficient switches to 8.7·v^0.6 above 1 m/s, meeting the linear law at 8.7.
// Expected coefficients worked out by hand from v = va + 0.0052·(M − 58).
TEST(RequiredInsulation, ConvectiveCoefficientFollowsRelativeVelocity)
{
    struct Row
    {
        const char *name;
        double M, va, hc;
    };
    const Row rows[] = {
        { "v exactly 1, linear law", 58, 1, 8.7 },
        { "v just above 1, power law", 58, 1 + 1e-9, 8.7 },
        { "slow work lowers v to 0.4064", 40, 0.5, 5.61328 },
        { "walking term 0.6344 below its bound", 180, 0.1, 7.31888 },
        { "walking term bounded at 0.7", 300, 0.1, 7.66 },
        { "fast air, v = 2.2184", 100, 2, 14.032762228 },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(insulationOf({ r.M, -5, 0.3, r.va, -5, 1.5 }).hc, r.hc, 1e-7);
    }
}

TEST(RequiredInsulation, NegativeRequiredInsulationInWarmAirIsZero)
{
    const RequiredInsulationResult r = insulationOf({ 100, 25, 1.5, 0.2, 25, 0.5 });
    EXPECT_EQ(r.minimal.IREQ, 0);
    EXPECT_GT(r.neutral.IREQ, 0);
    for (const auto &[name, value] : numbersOf(r))
        EXPECT_TRUE(std::isfinite(value)) << name;
}

// A surface at the radiant temperature makes hr = [(x + 273)⁴ − (tr + 273)⁴]/(x − tr) a 0/0;
// its limit keeps the results continuous. The first row meets it at the Newton start
// x = ta + 15, the second at the worn clothing's surface (tcl = tr) in the direct result hr.
TEST(RequiredInsulation, SurfaceAtRadiantTemperatureIsContinuous)
{
    struct Row
    {
        const char *name;
        Conditions conditions;
    };
    const Row rows[] = {
        { "tr = ta + 15", { 100, 25, 1.5, 0.2, 40, 1.0 } },
        { "tcl = tr", { 100, 30, 1.5, 0.2, 30, 0.5 } },
    };
    // Relative, or absolute below 1: a shift of 1e-6 K moves the heat flows by about 3e-5 W/m².
    constexpr double kTolerance = 1e-4;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto atLimit = numbersOf(insulationOf(row.conditions));
        for (const double offset : { -1e-6, 1e-6 }) {
            SCOPED_TRACE(offset);
            Conditions c = row.conditions;
            c.tr += offset;
            const auto near = numbersOf(insulationOf(c));
            ASSERT_EQ(atLimit.size(), near.size());
            for (std::size_t i = 0; i < near.size(); ++i)
                EXPECT_NEAR(atLimit[i].second, near[i].second,
                    kTolerance * std::max(1.0, std::fabs(near[i].second)))
                    << near[i].first;
        }
    }
    EXPECT_EQ(insulationOf(rows[1].conditions).tcl, rows[1].conditions.tr);
}

// In hot air the two-dimensional Newton iteration wanders; it ends in a fault, not a hang.
TEST(RequiredInsulation, RunawayIterationIsNoConvergenceFault)
{
    try {
        insulationOf({ 100, 35, 1.5, 0.2, 35, 0.5 });
        ADD_FAILURE() << "no fault";
    } catch (const ArithmeticFault &fault) {
        EXPECT_EQ(fault.kind(), FaultKind::NoConvergence);
        EXPECT_STREQ(fault.step(), "IREQ Newton (x, y)");
    }
}

} // namespace
} // namespace kalvora::engine
