#include "model/exposure.h"
#include "model/ratings.h"

#include <gtest/gtest.h>
#include <optional>

using namespace kalvora::model;

namespace {

TEST(Exposure, HeatStressTimeLimitsOnlyAboveAnIndexOf100)
{
    struct Row
    {
        double ISC;
        std::optional<double> TEP;
        bool limited;
    };
    // TEP = 2440/(Ereq − Emax): −25.79 min at the start inputs (ISC 0.94 %), empty at Ereq = Emax.
    const Row rows[]
        = { { 0.941, -25.79, false }, { 100, std::nullopt, false }, { 100, 1e6, false },
              { 100.01, 15.68, true }, { 276.1, 15.68, true }, { 150, std::nullopt, false } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "ISC=" << r.ISC);
        EXPECT_EQ(isHeatStressExposureLimited(r.ISC, r.TEP), r.limited);
    }
}

TEST(Exposure, SweatTimeOfMinusOneOrAThousandthOfAMinuteIsUnlimited)
{
    struct Row
    {
        double DLE;
        bool limited;
    };
    // 87.29 and 186.90 min are the alarm and danger times of the hot case (non-acclimatized).
    const Row rows[] = { { kUnlimitedSweatExposure, false }, { 0, false }, { 0.001, false },
        { 0.0011, true }, { 87.29, true }, { 186.90, true } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "DLE=" << r.DLE);
        EXPECT_EQ(isSweatExposureLimited(r.DLE), r.limited);
        // The rating agrees: with an acclimatized time of 300 min an unlimited DLEnaa is green.
        EXPECT_EQ(RateSweat({ .DLEnaa = r.DLE, .DLEaa = 300 }) == 0, !r.limited);
    }
}

TEST(Exposure, InsulationTimeLimitsOnlyWhileTheClothingIsShortOfTheRequirement)
{
    struct Row
    {
        std::optional<double> DLE;
        double Iclr, IREQ;
        bool limited;
    };
    // 1.193 h is DLEmin of the cold case (IREQmin 2.278 clo); an empty slot means S = 0.
    const Row rows[] = { { 1.193, 1.3, 2.278, true }, { 1.193, 2.278, 2.278, true },
        { 1.193, 2.2779, 2.278, true }, { 1.193, 2.2781, 2.278, false },
        { std::nullopt, 1.3, 2.278, false } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "Iclr=" << r.Iclr << " IREQ=" << r.IREQ);
        EXPECT_EQ(isInsulationExposureLimited(r.DLE, r.Iclr, r.IREQ), r.limited);
    }
}

} // namespace
