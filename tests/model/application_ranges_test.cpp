// Application ranges: the bounds of every tested line, inclusive, and which inputs they read.

#include "model/application_ranges.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>
#include <limits>

namespace kalvora::model {
namespace {

using fixtures::inputs;

// Inside every range at once: light work, 0.55 clo, 25 °C air and radiant, still air, dry.
constexpr RangeValues kInside { 100, 0.55, 25, 25, 0.2, 1.5, 20, 30 };

struct Bound
{
    const char *what;
    RangeLine line;
    double RangeValues::*quantity;
    double value;
    bool broken;
};

constexpr Bound kBounds[] = {
    { "M at the lower bound", RangeLine::PmvMetabolism, &RangeValues::M, 46, false },
    { "M at the upper bound", RangeLine::PmvMetabolism, &RangeValues::M, 232, false },
    { "M just below", RangeLine::PmvMetabolism, &RangeValues::M, 45.9, true },
    { "M just above", RangeLine::PmvMetabolism, &RangeValues::M, 232.1, true },
    { "PMV clothing 2 clo", RangeLine::PmvClothing, &RangeValues::Icl, 2, false },
    { "PMV clothing 2.01 clo", RangeLine::PmvClothing, &RangeValues::Icl, 2.01, true },
    { "PMV clothing negative", RangeLine::PmvClothing, &RangeValues::Icl, -0.1, true },
    { "PMV air 9.9 °C", RangeLine::PmvAirTemperature, &RangeValues::ta, 9.9, true },
    { "PMV air 30 °C", RangeLine::PmvAirTemperature, &RangeValues::ta, 30, false },
    { "PMV radiant 40 °C", RangeLine::PmvRadiantTemperature, &RangeValues::TRM, 40, false },
    { "PMV radiant 40.1 °C", RangeLine::PmvRadiantTemperature, &RangeValues::TRM, 40.1, true },
    { "PMV velocity 1 m/s", RangeLine::PmvAirVelocity, &RangeValues::var, 1, false },
    { "PMV velocity 1.01 m/s", RangeLine::PmvAirVelocity, &RangeValues::var, 1.01, true },
    { "PMV vapour 2.7 kPa", RangeLine::PmvVapourPressure, &RangeValues::pvap, 2.7, false },
    { "PMV vapour 2.71 kPa", RangeLine::PmvVapourPressure, &RangeValues::pvap, 2.71, true },
    { "HSI clothing 0.5", RangeLine::HsiClothing, &RangeValues::Icl, 0.5, false },
    { "HSI clothing 0.6", RangeLine::HsiClothing, &RangeValues::Icl, 0.6, false },
    { "HSI clothing 0.61", RangeLine::HsiClothing, &RangeValues::Icl, 0.61, true },
    { "HSI clothing 0.49", RangeLine::HsiClothing, &RangeValues::Icl, 0.49, true },
    { "HSI start clothing 0.7", RangeLine::HsiClothing, &RangeValues::Icl, 0.7, true },
    { "skin line never breaks", RangeLine::HsiSkinTemperature, &RangeValues::tbhn, 99, false },
    { "WBGT air 60 °C", RangeLine::WbgtAirTemperature, &RangeValues::ta, 60, false },
    { "WBGT air 60.1 °C", RangeLine::WbgtAirTemperature, &RangeValues::ta, 60.1, true },
    { "WBGT air 9.9 °C", RangeLine::WbgtAirTemperature, &RangeValues::ta, 9.9, true },
    { "natural wet bulb 5 °C", RangeLine::WbgtWetBulb, &RangeValues::tbhn, 5, false },
    { "natural wet bulb 4.9 °C", RangeLine::WbgtWetBulb, &RangeValues::tbhn, 4.9, true },
    { "natural wet bulb 40 °C", RangeLine::WbgtWetBulb, &RangeValues::tbhn, 40, false },
    { "natural wet bulb 55 °C", RangeLine::WbgtWetBulb, &RangeValues::tbhn, 55, true },
    { "globe 20 °C", RangeLine::WbgtGlobeTemperature, &RangeValues::tg, 20, false },
    { "globe 19.9 °C", RangeLine::WbgtGlobeTemperature, &RangeValues::tg, 19.9, true },
    { "globe 120.1 °C", RangeLine::WbgtGlobeTemperature, &RangeValues::tg, 120.1, true },
    { "SWreq vapour 2.79 kPa", RangeLine::SwVapourPressure, &RangeValues::pvap, 2.79, false },
    { "SWreq vapour 2.8 kPa", RangeLine::SwVapourPressure, &RangeValues::pvap, 2.8, true },
    { "PMV velocity not a number", RangeLine::PmvAirVelocity, &RangeValues::var,
        std::numeric_limits<double>::quiet_NaN(), true },
    { "SWreq vapour not a number", RangeLine::SwVapourPressure, &RangeValues::pvap,
        std::numeric_limits<double>::quiet_NaN(), true },
};

Method methodOf(RangeLine line)
{
    for (const Method m : kAllMethods)
        for (const RangeLine l : rangeLines(m))
            if (l == line)
                return m;
    ADD_FAILURE() << "line of no method";
    return Method::Wci;
}

TEST(ApplicationRanges, BoundsAreInclusiveAndEachLineBreaksItsMethod)
{
    for (const Bound &b : kBounds) {
        SCOPED_TRACE(b.what);
        RangeValues values = kInside;
        values.*b.quantity = b.value;
        EXPECT_EQ(breaks(b.line, values), b.broken);
        EXPECT_EQ(outOfRange(methodOf(b.line), values), b.broken);
    }
}

TEST(ApplicationRanges, InsideValuesBreakNothingAndWindAndInsulationHaveNoRange)
{
    for (const Method m : kAllMethods) {
        SCOPED_TRACE(static_cast<int>(m));
        EXPECT_FALSE(outOfRange(m, kInside));
    }
    RangeValues extreme { 1000, 9, -60, 200, 30, 9, 90, 300 };
    EXPECT_TRUE(rangeLines(Method::Wci).empty());
    EXPECT_TRUE(rangeLines(Method::Ireq).empty());
    EXPECT_FALSE(outOfRange(Method::Wci, extreme));
    EXPECT_FALSE(outOfRange(Method::Ireq, extreme));
}

TEST(ApplicationRanges, WbgtWetBulbIsTheNaturalOneTheIndexReads)
{
    // Humidity entered as a psychrometric wet bulb of 60 °C does not matter to WBGT; a natural
    // wet bulb of 45 °C does.
    MethodResults results;
    const InputParameters calm = inputs({ Method::Wbgt },
        { { Field::Taseco, "30" }, { Field::tglobo, "35" }, { Field::tbhn, "25" },
            { Field::tbh, "60" } },
        { { OptionGroup::humedad, 1 } });
    EXPECT_FALSE(outOfRange(Method::Wbgt, rangeValues(calm, results)));

    const InputParameters hot = inputs({ Method::Wbgt },
        { { Field::Taseco, "30" }, { Field::tglobo, "35" }, { Field::tbhn, "45" } });
    EXPECT_TRUE(outOfRange(Method::Wbgt, rangeValues(hot, results)));
}

TEST(ApplicationRanges, ValuesComeFromTheTypedTextsAndTheRecord)
{
    MethodResults results;
    results.TRM = 31;
    results.var = 0.4;
    results.pvap = 2.2;
    const RangeValues v = rangeValues(
        inputs({},
            { { Field::Metabolismo, "120" }, { Field::Iclo, "0.9" }, { Field::Taseco, "22" },
                { Field::tbhn, "17" }, { Field::tglobo, "24" } }),
        results);
    EXPECT_EQ(v.M, 120);
    EXPECT_EQ(v.Icl, 0.9);
    EXPECT_EQ(v.ta, 22);
    EXPECT_EQ(v.TRM, 31);
    EXPECT_EQ(v.var, 0.4);
    EXPECT_EQ(v.pvap, 2.2);
    EXPECT_EQ(v.tbhn, 17);
    EXPECT_EQ(v.tg, 24);
}

} // namespace
} // namespace kalvora::model
