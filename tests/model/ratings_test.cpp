#include "model/ratings.h"

#include <gtest/gtest.h>

using namespace kalvora::model;

namespace {

struct Row
{
    double value;
    int expected;
};

TEST(Ratings, PmvBandsIncludeTheirInnerBounds)
{
    const Row rows[] = { { 0, 0 }, { 0.5, 0 }, { -0.5, 0 }, { 0.5001, 1 }, { -0.5001, 1 },
        { 1.5, 1 }, { -1.5, 1 }, { 1.5001, 2 }, { -1.5001, 2 }, { -3.82, 2 } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "IVM=" << r.value);
        EXPECT_EQ(RatePmv(r.value), r.expected);
    }
}

TEST(Ratings, HeatStressBandsAreAsymmetric)
{
    const Row rows[] = { { 0.941, 0 }, { 10, 0 }, { -10, 0 }, { 10.01, 1 }, { 30, 1 },
        { -10.01, 1 }, { -20, 1 }, { 30.01, 2 }, { -20.01, 2 }, { 276.1, 2 } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "ISC=" << r.value);
        EXPECT_EQ(RateHeatStress(r.value), r.expected);
    }
}

TEST(Ratings, WbgtLimitsFallWithMetabolicPower)
{
    // At M = 85 W/m² the limits are 31.373 and 32.828 °C; at M = 0 they are 34.28 and 33.867,
    // the first above the second, and the first comparison decides.
    struct WbgtRow
    {
        double WBGT, M;
        int expected;
    };
    const WbgtRow rows[] = { { 17.2, 85, 0 }, { 31.37, 85, 0 }, { 31.38, 85, 1 }, { 32.82, 85, 1 },
        { 32.83, 85, 2 }, { 34.27, 0, 0 }, { 34.28, 0, 2 }, { 25, 400, 1 }, { 29.3, 400, 2 } };
    for (const WbgtRow &r : rows) {
        SCOPED_TRACE(testing::Message() << "WBGT=" << r.WBGT << " M=" << r.M);
        EXPECT_EQ(RateWbgt({ .WBGT = r.WBGT, .metabolicRate = r.M }), r.expected);
    }
}

TEST(Ratings, SweatCountsTinyExposureLimitsAsUnlimited)
{
    struct SweatRow
    {
        double DLEnaa, DLEaa;
        int expected;
    };
    const SweatRow rows[] = { { -1, -1, 0 }, { 0.001, 300, 0 }, { 0.0011, -1, 1 },
        { 87.29, 0.0009, 1 }, { 87.29, 300, 2 }, { 87.29, 0.001, 2 } };
    for (const SweatRow &r : rows) {
        SCOPED_TRACE(testing::Message() << "DLEnaa=" << r.DLEnaa << " DLEaa=" << r.DLEaa);
        EXPECT_EQ(RateSweat({ .DLEnaa = r.DLEnaa, .DLEaa = r.DLEaa }), r.expected);
    }
}

TEST(Ratings, WindChillComfortBandIsClosed)
{
    const Row rows[] = { { 21, 0 }, { 28, 0 }, { 22.39, 0 }, { 10, 1 }, { 20.99, 1 }, { 28.01, 2 },
        { 9.99, 2 }, { -21.4, 2 } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "tch=" << r.value);
        EXPECT_EQ(RateWindChill(r.value), r.expected);
    }
}

TEST(Ratings, InsulationComparesWornWithRequired)
{
    struct IreqRow
    {
        double Icl, IREQ1, IREQ2;
        int expected;
    };
    const IreqRow rows[]
        = { { 2.612, 2.278, 2.612, 0 }, { 3, 2.278, 2.612, 0 }, { 2.278, 2.278, 2.612, 1 },
              { 2.5, 2.278, 2.612, 1 }, { 1.5, 2.278, 2.612, 2 }, { 0, 0, 0, 0 } };
    for (const IreqRow &r : rows) {
        SCOPED_TRACE(
            testing::Message() << "Icl=" << r.Icl << " IREQ1=" << r.IREQ1 << " IREQ2=" << r.IREQ2);
        EXPECT_EQ(RateInsulation(r.Icl, r.IREQ1, r.IREQ2), r.expected);
    }
}

} // namespace
