#include "model/sweep.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace kalvora::model;
using namespace kalvora::model::fixtures;
using kalvora::engine::FaultKind;

namespace {

/// The sweep as the hub opens it: after an evaluation of the same inputs.
Sweep sweepAfterEvaluation(const InputParameters &input)
{
    MethodResults results;
    const Evaluation evaluation = Evaluate(input, results);
    EXPECT_FALSE(evaluation.fault);
    return AirVelocitySweep(input, results);
}

TEST(AirVelocitySweep, SweepsTheSeventeenVelocities)
{
    const double expected[kSweepRowsComputed] = { 0.05, 0.10, 0.15, 0.20, 0.25, 0.30, 0.4, 0.5, 0.6,
        0.7, 0.8, 0.9, 1.0, 1.5, 2.0, 2.5, 3.0 };
    for (int i = 0; i < kSweepRowsComputed; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(sweptVelocity(i), expected[i], 1e-12);
    }
    const Sweep sweep = AirVelocitySweep(InputParameters(), MethodResults());
    for (int i = 0; i < kSweepRowsShown; ++i)
        EXPECT_EQ(sweep.rows[i].va, sweptVelocity(i));
}

TEST(AirVelocitySweep, RecomputesPmvAndWindChillPerVelocity)
{
    struct Row
    {
        int row;
        double var, tr, PMV, PPD, WCI, tch;
        int code;
    };
    // Start inputs, globe 20 °C, relative humidity 65 %. NaN: no published value for that row.
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        { 0, 0.1904, 20.99, -0.64, 13.6, 254.4, 23.0, 1 },
        { 2, 0.2904, kNone, -0.79, 18.2, kNone, kNone, 1 },
        { 12, 1.1404, 24.85, -1.32, 41.2, kNone, kNone, 1 },
        { 15, kNone, kNone, -1.64, 58.6, 418.6, 16.6, 2 },
    };
    const Sweep sweep = sweepAfterEvaluation(inputs({ Method::Pmv, Method::Wci }));
    ASSERT_FALSE(sweep.fault);
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "va=" << sweptVelocity(r.row));
        const SweepRow &row = sweep.rows[r.row];
        const auto expectRounded = [](double actual, double published, double halfUnit) {
            if (!std::isnan(published)) {
                EXPECT_NEAR(actual, published, halfUnit);
            }
        };
        expectRounded(row.var, r.var, 5e-5);
        expectRounded(row.tr, r.tr, 5e-3);
        expectRounded(row.IVM, r.PMV, 5e-3);
        expectRounded(row.PPI, r.PPD, 5e-2);
        expectRounded(row.WCI, r.WCI, 5e-2);
        expectRounded(row.tch, r.tch, 5e-2);
        EXPECT_EQ(row.code, r.code);
    }
}

TEST(AirVelocitySweep, ColoursEachRowByTheWorstMethodTakingPart)
{
    struct Case
    {
        const char *name;
        InputParameters input;
        std::int16_t code; ///< of every row
    };
    const Case cases[] = {
        { "no method", inputs({}), 0 },
        { "WBGT alone",
            inputs({ Method::Wbgt },
                { { Field::tbhn, "30" }, { Field::tglobo, "40" }, { Field::Taseco, "35" } }),
            2 },
        { "worn insulation below IREQmin",
            inputs({ Method::Ireq },
                { { Field::Metabolismo, "100" }, { Field::Taseco, "-5" }, { Field::TRMedia, "-5" },
                    { Field::pa, "0.3" }, { Field::vaire, "0.5" }, { Field::Iclo, "1.5" } },
                { { OptionGroup::Radiacion, 1 }, { OptionGroup::humedad, 2 } }),
            2 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Sweep sweep = sweepAfterEvaluation(c.input);
        ASSERT_FALSE(sweep.fault);
        for (const SweepRow &row : sweep.rows) {
            EXPECT_EQ(row.WBGT, sweep.rows[0].WBGT);
            EXPECT_EQ(row.code, c.code);
        }
    }
}

TEST(AirVelocitySweep, KeepsTheHubsHumidityAndMeanRadiantTemperature)
{
    // Only the sweep's own inputs change per row: a record with another pvap and TRM changes
    // WCI not at all and IREQ (which uses the hub's TRM) at every row.
    const InputParameters input = inputs({ Method::Wci, Method::Ireq });
    MethodResults results;
    ASSERT_FALSE(Evaluate(input, results).fault);
    const Sweep before = AirVelocitySweep(input, results);
    results.TRM -= 10;
    const Sweep after = AirVelocitySweep(input, results);
    ASSERT_FALSE(before.fault);
    ASSERT_FALSE(after.fault);
    for (int i = 0; i < kSweepRowsShown; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after.rows[i].WCI, before.rows[i].WCI);
        EXPECT_GT(after.rows[i].IREQmin, before.rows[i].IREQmin);
    }
}

TEST(AirVelocitySweep, EndsAtAFaultNamingTheMethod)
{
    struct Case
    {
        const char *name;
        InputParameters input;
        std::optional<Method> method;
        const char *step; // nullptr: any step
        FaultKind kind;
    };
    const Case cases[] = {
        { "no evaporative capacity",
            inputs({ Method::Wci, Method::Hsi }, { { Field::pa, "5.6" } },
                { { OptionGroup::humedad, 2 } }),
            Method::Hsi, nullptr, FaultKind::DivisionByZero },
        { "air temperature beyond range", inputs({ Method::Wci }, { { Field::Taseco, "-1e999" } }),
            std::nullopt, "Taseco", FaultKind::Overflow },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MethodResults results;
        results.pvap = c.input.value(Field::pa);
        const Sweep sweep = AirVelocitySweep(c.input, results);
        ASSERT_TRUE(sweep.fault);
        EXPECT_EQ(sweep.fault->method, c.method);
        EXPECT_EQ(sweep.fault->kind, c.kind);
        if (c.step) {
            EXPECT_EQ(sweep.fault->step, c.step);
        }
    }
}

} // namespace
