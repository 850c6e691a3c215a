// Arrow and marker positions of the method views (twips), at every band edge and cap, and the
// derived required-sweat-rate quantities. Expected values are worked by hand from the scales'
// layout: each arrow must stand level with the label of the scale step it faces.

#include "model/presentation/scale_positions.h"
#include "model/sweat_criteria.h"

#include <gtest/gtest.h>

namespace kalvora::model {
namespace {

struct Row
{
    double in;
    double twips;
};

constexpr double kTwipsTolerance = 1e-9;

void expectPositions(double (*position)(double), std::initializer_list<Row> rows)
{
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "input " << r.in);
        EXPECT_NEAR(position(r.in), r.twips, kTwipsTolerance);
    }
}

TEST(ScalePositions, PmvArrowFacesTheVote)
{
    // Labels: +3 at 1440, +2 at 1875, +1 at 2280, 0 at 2705, −1 at 3120, −2 at 3540, −3 at 3960.
    expectPositions(pmvArrowTop,
        { { 0, 2700 }, { 1, 2280 }, { -2, 3540 }, { 1.5, 2070 }, { 2.99, 1444.2 }, { 3, 1200 },
            { 4.2, 1200 }, { -2.99, 3955.8 }, { -3, 4200 }, { -5, 4200 } });
}

TEST(ScalePositions, HsiArrowFacesTheIndex)
{
    // 0 % faces THERMAL COMFORT at 5860, 50 % HARD at 4425; past 100 % the arrow stays at the
    // top, at and below −25 % at the bottom below the −20 tick.
    expectPositions(hsiArrowTop,
        { { 0, 5860 }, { 50, 4425 }, { 99.99, 2990.287 }, { 100, 2640 }, { 100.01, 2640 },
            { 250, 2640 }, { -20, 6434 }, { -24.99, 6577.213 }, { -25, 6720 }, { -80, 6720 } });
    // Ticks every 10 % lie 287 twips apart on the uncapped line.
    EXPECT_NEAR(hsiScaleTop(10) - hsiScaleTop(20), 287, kTwipsTolerance);
}

TEST(ScalePositions, ColdCategoryByChillingTemperature)
{
    struct Band
    {
        double tch;
        ColdCategory category;
        double twips;
    };
    const Band kRows[] = {
        { 40, ColdCategory::calor, 2160 },
        { 28.01, ColdCategory::calor, 2160 },
        { 28, ColdCategory::confort, 2640 },
        { 21.001, ColdCategory::confort, 2640 },
        { 21, ColdCategory::Frio, 3000 },
        { 7, ColdCategory::mfrio, 3600 },
        { -18, ColdCategory::cortante, 4080 },
        { -26, ColdCategory::cong0, 4680 },
        { -42, ColdCategory::cong1, 5520 },
        { -57.99, ColdCategory::cong1, 5520 },
        { -58, ColdCategory::cong2, 6120 },
        { -60, ColdCategory::cong2, 6120 },
        { -80, ColdCategory::cong2, 6120 },
    };
    for (const Band &b : kRows) {
        SCOPED_TRACE(testing::Message() << "tch " << b.tch);
        EXPECT_EQ(coldCategory(b.tch), b.category);
        EXPECT_EQ(coldArrowTop(coldCategory(b.tch)), b.twips);
    }
}

TEST(ScalePositions, InsulationRowOfTheClothingList)
{
    // Rows: 0.5 clo at 5760, 1.0 at 4020, 1.3 at 3280, 1.6 at 2260 (list tops); the map lands
    // close to each, jumps at the band edges and stays at the list's ends outside 0.45…3 clo.
    expectPositions(posI,
        { { 0.3, 6100 }, { 0.4499, 6100 }, { 0.45, 5921.9 }, { 0.5, 5746 }, { 1.0, 3987 },
            { 1.0999, 3635.5518 }, { 1.1, 3630 }, { 1.2999, 3280.175 }, { 1.3, 3280 },
            { 1.6, 2232.2 }, { 2.2, 1527 }, { 3, 847 }, { 3.0001, 840 }, { 5, 840 } });
}

TEST(SweatCriteria, DerivesEvaporationAndWaterLoss)
{
    MethodResults r;
    r.EmaxSW = 300;
    r.wpnaa = 0.5, r.SWpnaa = 250, r.DLEnaa = -1;
    r.wpap = 0.9, r.SWpap = 400, r.DLEap = 37.5;
    const SweatCriterionValues naa = sweatCriterion(r, SweatCriterion::naa);
    EXPECT_DOUBLE_EQ(naa.Ep, 150); // 0.5 · 300 W/m²
    EXPECT_DOUBLE_EQ(naa.D, 650); // 250 W/m² · 2.6 g/h per W/m²
    EXPECT_EQ(naa.DLE, -1);
    const SweatCriterionValues ap = sweatCriterion(r, SweatCriterion::ap);
    EXPECT_DOUBLE_EQ(ap.Ep, 270);
    EXPECT_DOUBLE_EQ(ap.D, 1040);
    EXPECT_EQ(ap.DLE, 37.5);
    // The other criteria read their own fields, not those of their neighbours.
    EXPECT_EQ(sweatCriterion(r, SweatCriterion::nap).SWp, 0);
    EXPECT_EQ(sweatCriterion(r, SweatCriterion::aa).wp, 0);
}

} // namespace
} // namespace kalvora::model
