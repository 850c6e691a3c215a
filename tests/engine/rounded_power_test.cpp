// Cubes, fourth powers and fourth roots against the exact values rounded to the nearest double
// (computed with exact rational or 60-digit decimal arithmetic), and against pow itself near
// midpoints and on random arguments, since the results must be pow's double whichever way pow
// rounds.

#include "engine/rounded_power.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

using kalvora::engine::roundedCube;
using kalvora::engine::roundedFourthPower;
using kalvora::engine::roundedFourthRoot;

struct Power
{
    double x;
    double exact; // x^n rounded once to the nearest double
};

TEST(RoundedPower, FourthPowerIsTheExactPowerRoundedOnce)
{
    const Power table[] = {
        { 273.0, 5554571841.0 },
        { 293.15, 7385154648.771004 },
        { -293.15, 7385154648.771004 },
    };
    for (const Power &p : table)
        EXPECT_EQ(roundedFourthPower(p.x), p.exact) << p.x;
}

TEST(RoundedPower, CubeIsTheExactPowerRoundedOnce)
{
    const Power table[] = {
        { 293.15, 25192408.830874994 },
        { -250.5, -15718937.625 },
    };
    for (const Power &p : table)
        EXPECT_EQ(roundedCube(p.x), p.exact) << p.x;
}

// Exact powers within 0.02 ulp of a midpoint between two doubles, where glibc's pow rounds to the
// farther one: the result is still pow's double.
TEST(RoundedPower, NearAMidpointTheDoubleIsPows)
{
    for (const double x :
        { 405.5145883120281, 188.67254174529677, 255.12999999999997, 174.86260239562603 })
        EXPECT_EQ(roundedFourthPower(x), std::pow(x, 4)) << x;
    for (const double x :
        { 327.9477723905487, 294.87164102271674, 220.18999999999997, 286.00999999999993 })
        EXPECT_EQ(roundedCube(x), std::pow(x, 3)) << x;
}

TEST(RoundedPower, FourthRootIsTheExactRootRoundedOnce)
{
    const Power table[] = {
        { 2.0, 1.189207115002721 },
        { 10.0, 1.7782794100389228 },
        { 0.37, 0.7799206709850829 },
        { 15.25, 1.9761388711204806 },
        { 1e-5, 0.05623413251903491 },
        { 7385154648.771004, 293.15 },
        { 16.0, 2.0 },
        { 0.0, 0.0 },
    };
    for (const Power &p : table)
        EXPECT_EQ(roundedFourthRoot(p.x), p.exact) << p.x;
}

TEST(RoundedPower, SameDoubleAsPowOnRandomArguments)
{
    std::mt19937_64 generator(20);
    std::uniform_real_distribution<double> kelvin(150.0, 450.0);
    std::uniform_real_distribution<double> exponent(-60.0, 60.0);
    for (int i = 0; i < 200000; ++i) {
        const double x = kelvin(generator);
        const double y = std::exp(exponent(generator));
        ASSERT_EQ(roundedCube(x), std::pow(x, 3)) << x;
        ASSERT_EQ(roundedCube(-y), std::pow(-y, 3)) << -y;
        ASSERT_EQ(roundedFourthPower(x), std::pow(x, 4)) << x;
        ASSERT_EQ(roundedFourthPower(y), std::pow(y, 4)) << y;
        ASSERT_EQ(roundedFourthRoot(y), std::pow(y, 0.25)) << y;
        ASSERT_EQ(roundedFourthRoot(x - 150.0), std::pow(x - 150.0, 0.25)) << x - 150.0;
    }
}

TEST(RoundedPower, PowersBeyondRangeAreInfiniteNotInvalid)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(roundedFourthPower(1e100), infinity);
    EXPECT_EQ(roundedFourthPower(-1e100), infinity);
    EXPECT_EQ(roundedFourthPower(1e160), infinity); // x² itself overflows
    EXPECT_EQ(roundedCube(1e120), infinity);
    EXPECT_EQ(roundedCube(-1e120), -infinity);
    EXPECT_TRUE(std::isnan(roundedFourthRoot(-1.0)));
    EXPECT_EQ(roundedFourthRoot(infinity), infinity);
}

} // namespace
