#include "engine/fault.h"
#include "engine/required_insulation.h"
#include "rounds_to.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace kalvora::engine {
namespace {

using test::RoundsTo;

struct Conditions
{
    double M, ta, pa, va, tr, Icl;
};

RequiredInsulationResult insulationOf(const Conditions &c)
{
    return RequiredInsulation(c.M, c.ta, c.pa, c.va, c.tr, c.Icl);
}

// A published value at its position in the table (case + 4 · quantity), so the layout the hub
// and the sweep read is checked along with the number.
struct Published
{
    const char *name;
    int position;
    const char *value;
};

struct WorkedExample
{
    const char *name;
    Conditions conditions;
    const char *hc, *hr, *tcl; // nullptr: not published
    std::vector<Published> table;
};

const WorkedExample kWorkedExamples[] = {
    { "M 100, -5 degrees, 1.5 clo", { 100, -5, 0.3, 0.5, -5, 1.5 }, "7.2357", "3.3326", "2.638",
        { { "IREQmin", 28, "2.278" }, { "IREQneut", 29, "2.612" }, { "Cres case 0", 12, "4.62" },
            { "Cres case 3", 15, "4.62" }, { "Eres case 0", 16, "6.1514" },
            { "Eres case 3", 19, "6.1514" }, { "R case 2", 2, "37.11" }, { "C case 2", 6, "80.58" },
            { "E case 2", 10, "5.080" }, { "S case 2", 22, "-33.54" },
            { "DLE case 2", 26, "1.193" }, { "S case 3", 23, "-48.14" },
            { "DLE case 3", 27, "0.831" }, { "IREQ slot case 2", 30, "0" },
            { "IREQ slot case 3", 31, "0" } } },
    { "M 85, 0 degrees, 2.5 clo", { 85, 0, 0.4, 0.2, 0, 2.5 }, "5.2701", nullptr, "4.309",
        { { "IREQmin", 28, "2.228" }, { "IREQneut", 29, "2.627" }, { "S case 2", 22, "6.572" },
            { "DLE case 2", 26, "-6.086" }, { "S case 3", 23, "-3.077" },
            { "DLE case 3", 27, "13.00" } } },
};

TEST(RequiredInsulation, MatchesWorkedExamples)
{
    for (const WorkedExample &example : kWorkedExamples) {
        SCOPED_TRACE(example.name);
        const RequiredInsulationResult r = insulationOf(example.conditions);
        EXPECT_PRED_FORMAT2(RoundsTo, r.hc, example.hc);
        EXPECT_PRED_FORMAT2(RoundsTo, r.hr, example.hr);
        EXPECT_PRED_FORMAT2(RoundsTo, r.tcl, example.tcl);
        for (const Published &p : example.table)
            EXPECT_PRED_FORMAT2(RoundsTo, r.ireqTerms.values[p.position], p.value) << p.name;
        // At the required insulations the balance closes: S is a residual near 0, the exposure
        // limit huge, and both are still numbers.
        for (int ireqCase = 0; ireqCase < 2; ++ireqCase) {
            SCOPED_TRACE(ireqCase);
            EXPECT_LT(std::fabs(r.ireqTerms.at(ireqCase, 5)), 1e-4);
            EXPECT_GT(std::fabs(r.ireqTerms.at(ireqCase, 6)), 1e5);
            EXPECT_FALSE(r.ireqTerms.dleUnlimited[ireqCase]);
        }
    }
}

// The relative air velocity of this method bounds the walking term at 0.7 m/s, and the
// convective coefficient switches to 8.7·v^0.6 above 1 m/s, meeting the linear law at 8.7.
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
        { "slow work lowers v", 40, 0.5, 3.5 + 5.2 * (0.5 - 0.0936) },
        { "walking term below its bound", 180, 0.1, 3.5 + 5.2 * (0.1 + 0.6344) },
        { "walking term bounded at 0.7", 300, 0.1, 3.5 + 5.2 * 0.8 },
        { "fast air", 100, 2, 8.7 * std::pow(2 + 0.2184, 0.6) },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(insulationOf({ r.M, -5, 0.3, r.va, -5, 1.5 }).hc, r.hc, 1e-7);
    }
}

TEST(RequiredInsulation, NegativeRequiredInsulationInWarmAirIsZero)
{
    const RequiredInsulationResult r = insulationOf({ 100, 25, 1.5, 0.2, 25, 0.5 });
    EXPECT_EQ(r.ireqTerms.at(0, 7), 0);
    EXPECT_GT(r.ireqTerms.at(1, 7), 0);
    for (const double value : r.ireqTerms.values)
        EXPECT_TRUE(std::isfinite(value));
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
    const auto expectClose = [&](double atLimit, double near, const char *what) {
        EXPECT_NEAR(atLimit, near, kTolerance * std::max(1.0, std::fabs(near))) << what;
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const RequiredInsulationResult atLimit = insulationOf(row.conditions);
        for (const double offset : { -1e-6, 1e-6 }) {
            SCOPED_TRACE(offset);
            Conditions c = row.conditions;
            c.tr += offset;
            const RequiredInsulationResult near = insulationOf(c);
            expectClose(atLimit.hr, near.hr, "hr");
            expectClose(atLimit.tcl, near.tcl, "tcl");
            for (int position = 0; position < kIreqCases * kIreqQuantities; ++position)
                expectClose(
                    atLimit.ireqTerms.values[position], near.ireqTerms.values[position], "table");
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
