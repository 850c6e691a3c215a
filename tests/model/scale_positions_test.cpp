// Where the method views put their arrows and markers (twips, vertical axis downwards), checked
// against the published layout of each view: an arrow must stand level with the label of the
// scale step or category it points at, move the right way between them and stop past the ends
// of its scale. Then the derived required-sweat-rate quantities.

#include "model/presentation/scale_positions.h"
#include "model/sweat_criteria.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iterator>

namespace kalvora::model {
namespace {

/// A label of a view's layout: what it stands for and its top, twips.
struct Label
{
    double value;
    double top;
};

/// The label whose middle is nearest to a middle, among labels of one height.
double nearestLabel(std::initializer_list<Label> labels, double middle, double height)
{
    const Label *nearest = labels.begin();
    for (const Label &label : labels)
        if (std::abs(label.top + height / 2 - middle)
            < std::abs(nearest->top + height / 2 - middle))
            nearest = &label;
    return nearest->value;
}

TEST(ScalePositions, PmvArrowStandsLevelWithTheStepItPointsAt)
{
    // The PMV view's sensation labels and the arrow, both 255 high.
    constexpr double kHeight = 255;
    const std::initializer_list<Label> steps = { { 3, 1440 }, { 2, 1875 }, { 1, 2280 }, { 0, 2705 },
        { -1, 3120 }, { -2, 3540 }, { -3, 3960 } };
    const auto middle = [](double vote) { return pmvArrowTop(vote) + kHeight / 2; };
    for (const double vote : { -2.99, -2.0, -1.4, -1.0, 0.0, 0.3, 1.0, 2.0, 2.6, 2.99 }) {
        SCOPED_TRACE(vote);
        EXPECT_EQ(nearestLabel(steps, middle(vote), kHeight), pmvScaleStep(vote));
    }
    // Rising votes move the arrow up; at ±3 and beyond it leaves the scale.
    EXPECT_LT(middle(0.51), middle(0.5));
    EXPECT_LT(middle(3), 1440);
    EXPECT_EQ(middle(4.2), middle(3));
    EXPECT_GT(middle(-3), 3960 + kHeight);
    EXPECT_EQ(middle(-5), middle(-3));
    EXPECT_EQ(pmvScaleStep(4.2), 3);
    EXPECT_EQ(pmvScaleStep(-5), -3);
}

TEST(ScalePositions, HsiArrowFacesTheCategoryOfItsIndex)
{
    // The HSI view's category areas (255 high) and the index whose arrow (375 high) faces each,
    // as the view's layout publishes them to a tenth.
    struct Category
    {
        double top;
        double index;
    };
    const Category categories[] = { { 2760, 110.1 }, { 3060, 99.7 }, { 3640, 79.4 }, { 4480, 50.2 },
        { 5060, 30.0 }, { 5620, 10.5 }, { 5900, 0.7 }, { 6460, -18.8 } };
    constexpr double kPerTenth = 3; // twips the line moves for 0.1 %, rounded up
    for (const Category &c : categories) {
        SCOPED_TRACE(c.index);
        EXPECT_NEAR(hsiScaleTop(c.index) + 187.5, c.top + 127.5, kPerTenth);
        if (c.index > -25 && c.index < 100) {
            EXPECT_EQ(hsiArrowTop(c.index), hsiScaleTop(c.index));
        }
    }
    // From 100 % up the arrow stays by the top category; at −25 % and below it stands under the
    // last one.
    for (const double index : { 100.0, 100.01, 250.0 }) {
        SCOPED_TRACE(index);
        const double middle = hsiArrowTop(index) + 187.5;
        EXPECT_LT(std::abs(middle - (2760 + 127.5)), std::abs(middle - (3060 + 127.5)));
    }
    EXPECT_GT(hsiArrowTop(-25), 6460 + 255);
    EXPECT_EQ(hsiArrowTop(-80), hsiArrowTop(-25));
    EXPECT_LT(hsiArrowTop(-24.99), hsiArrowTop(-25));
}

TEST(ScalePositions, WindChillArrowStandsInTheAreaOfItsCategory)
{
    // The published upper bounds of the bands of the chilling temperature, °C, warmest first:
    // each belongs to the colder band, and just above it is the next warmer one.
    constexpr double kBounds[] = { 28, 21, 7, -18, -26, -42, -58 };
    EXPECT_EQ(coldCategory(40), ColdCategory::calor);
    for (std::size_t b = 0; b < std::size(kBounds); ++b) {
        SCOPED_TRACE(kBounds[b]);
        EXPECT_EQ(static_cast<std::size_t>(coldCategory(kBounds[b])), b + 1);
        EXPECT_EQ(static_cast<std::size_t>(coldCategory(kBounds[b] + 0.01)), b);
    }
    EXPECT_EQ(coldCategory(-80), ColdCategory::cong2);

    // The category areas' tops, warmest first; the arrow is 375 high. Its middle stands inside
    // its category's area: from the area's top to the next area's top.
    constexpr double kTops[kColdCategoryCount] = { 2280, 2680, 3140, 3650, 4080, 4680, 5400, 6120 };
    for (int c = 0; c < kColdCategoryCount; ++c) {
        SCOPED_TRACE(c);
        const double middle = coldArrowTop(static_cast<ColdCategory>(c)) + 375.0 / 2;
        EXPECT_GE(middle, kTops[c]);
        if (c + 1 < kColdCategoryCount) {
            EXPECT_LT(middle, kTops[c + 1]);
        }
    }
}

TEST(ScalePositions, InsulationMarkersStandByTheirRowOfTheClothingList)
{
    // The IREQ view's clothing list: each row's insulation, clo, and its top.
    const std::initializer_list<Label> rows = { { 3, 840 }, { 2.6, 1100 }, { 2.2, 1560 },
        { 1.9, 1905 }, { 1.6, 2260 }, { 1.5, 2600 }, { 1.4, 2940 }, { 1.3, 3280 }, { 1.1, 3650 },
        { 1.0, 4020 }, { 0.9, 4360 }, { 0.8, 4690 }, { 0.7, 5050 }, { 0.6, 5400 }, { 0.5, 5760 } };
    for (const Label &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(nearestLabel(rows, posI(row.value), 0), row.value);
    }
    // More insulation stands higher up the list; outside 0.45 … 3 clo the markers stop below
    // the first row and at the last one.
    for (int step = 0; step < 51; ++step) {
        const double clo = 0.45 + 0.05 * step;
        EXPECT_GT(posI(clo), posI(clo + 0.05)) << clo;
    }
    EXPECT_GT(posI(0.3), 5760);
    EXPECT_EQ(posI(0.3), posI(0.4499));
    EXPECT_EQ(posI(5), 840);
    EXPECT_EQ(posI(3.0001), posI(5));
}

TEST(SweatCriteria, DerivesEvaporationAndWaterLoss)
{
    MethodResults r;
    r.EmaxSW = 300;
    r.wpnaa = 0.5, r.SWpnaa = 250, r.DLEnaa = -1;
    r.wpap = 0.9, r.SWpap = 400, r.DLEap = 37.5;
    const SweatCriterionValues naa = sweatCriterion(r, SweatCriterion::AlarmNonAcclimatized);
    EXPECT_DOUBLE_EQ(naa.Ep, 150); // 0.5 · 300 W/m²
    EXPECT_DOUBLE_EQ(naa.D, 650); // 250 W/m² · 2.6 g/h per W/m²
    EXPECT_EQ(naa.DLE, -1);
    const SweatCriterionValues ap = sweatCriterion(r, SweatCriterion::DangerAcclimatized);
    EXPECT_DOUBLE_EQ(ap.Ep, 270);
    EXPECT_DOUBLE_EQ(ap.D, 1040);
    EXPECT_EQ(ap.DLE, 37.5);
    // The other criteria read their own fields, not those of their neighbours.
    EXPECT_EQ(sweatCriterion(r, SweatCriterion::DangerNonAcclimatized).SWp, 0);
    EXPECT_EQ(sweatCriterion(r, SweatCriterion::AlarmAcclimatized).wp, 0);
}

} // namespace
} // namespace kalvora::model
