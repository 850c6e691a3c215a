#include "model/presentation/sweep_cells.h"
#include "model_fixtures.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <span>
#include <string>

using namespace kalvora::model;
using namespace kalvora::model::fixtures;

namespace {

/// A sweep with the given methods taking part and row 0 set by `fill`.
template <class Fill> Sweep sweepWith(std::span<const Method> on, Fill fill)
{
    Sweep sweep;
    for (Method m : on)
        sweep.methods[static_cast<std::size_t>(m)] = true;
    fill(sweep.rows[0]);
    return sweep;
}

/// The sixteen shown velocities, m/s, as the sweep's table of velocities lists them.
constexpr double kVelocities[kSweepRowsShown]
    = { 0.05, 0.1, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.5, 2.0, 2.5 };

std::string textOf(const SweepCell &cell)
{
    EXPECT_FALSE(cell.pattern);
    return cell.text;
}

const char *name(SweepColumn column)
{
    return sweepColumnQuantity(column).cells;
}

TEST(SweepCells, MethodsTakingNoPartShowADashAndTheVelocitiesAsPublished)
{
    const Sweep sweep = AirVelocitySweep(inputs({}), MethodResults());
    ASSERT_FALSE(sweep.fault);
    for (int row = 0; row < kSweepRowsShown; ++row) {
        for (int c = 1; c < kSweepColumnCount; ++c) {
            const auto column = static_cast<SweepColumn>(c);
            SCOPED_TRACE(testing::Message() << "row " << row << " " << name(column));
            // A dash after the blanks that align it; the IREQ cells stay empty.
            std::string dash = textOf(sweepCell(sweep, row, column, Language::English));
            dash.erase(0,
                dash.find_first_not_of(' ') == std::string::npos ? dash.size()
                                                                 : dash.find_first_not_of(' '));
            const bool ireq = column == SweepColumn::Imin || column == SweepColumn::Ineut;
            EXPECT_EQ(dash, ireq ? "" : "-");
        }
        const SweepCell velocity = sweepCell(sweep, row, SweepColumn::pv, Language::Spanish);
        EXPECT_EQ(velocity.pattern, NumberPattern::General);
        EXPECT_EQ(velocity.value, kVelocities[row]) << "row " << row;
    }
}

TEST(SweepCells, BalanceVerdictIsTheMagnitudeOfTheHeatStorage)
{
    // Heat storage in W/m²: in balance only within 0.001 of zero, on either side.
    struct Case
    {
        double Ac;
        const char *es, *en;
    };
    const Case cases[] = {
        { -5, " NO", " NO" },
        { -0.0005, " SI", "YES" },
        { 0.0005, " SI", "YES" },
        { 0, " SI", "YES" },
        { 0.001, " NO", " NO" },
        { -0.001, " NO", " NO" },
        { 12.5, " NO", " NO" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Ac);
        const Sweep sweep
            = sweepWith(std::array { Method::SwReq }, [&](SweepRow &row) { row.Ac = c.Ac; });
        EXPECT_EQ(textOf(sweepCell(sweep, 0, SweepColumn::peq, Language::Spanish)), c.es);
        EXPECT_EQ(textOf(sweepCell(sweep, 0, SweepColumn::peq, Language::English)), c.en);
        const SweepCell stored = sweepCell(sweep, 0, SweepColumn::PAc, Language::Spanish);
        EXPECT_EQ(stored.pattern, NumberPattern::Grouped1);
        EXPECT_EQ(stored.value, c.Ac);
    }
}

TEST(SweepCells, ExposureTimesOrUnlimited)
{
    struct Case
    {
        const char *name;
        Method method;
        SweepColumn column;
        double ISC, TEP, DLEnaa;
        std::optional<double> shown; ///< empty: the unlimited text
    };
    const Case cases[] = {
        { "HSI exactly 100", Method::Hsi, SweepColumn::PTEP, 100, 480, 0, std::nullopt },
        { "HSI 100.01", Method::Hsi, SweepColumn::PTEP, 100.01, 479.9, 0, 479.9 },
        { "HSI below 0", Method::Hsi, SweepColumn::PTEP, -30, 12, 0, std::nullopt },
        { "DLE marked unlimited", Method::SwReq, SweepColumn::PDLE, 0, 0, -1, std::nullopt },
        { "DLE 0", Method::SwReq, SweepColumn::PDLE, 0, 0, 0, std::nullopt },
        { "DLE 0.001", Method::SwReq, SweepColumn::PDLE, 0, 0, 0.001, std::nullopt },
        { "DLE 0.002", Method::SwReq, SweepColumn::PDLE, 0, 0, 0.002, 0.002 },
        { "DLE 45", Method::SwReq, SweepColumn::PDLE, 0, 0, 45, 45 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Sweep sweep = sweepWith(std::array { c.method }, [&](SweepRow &row) {
            row.ISC = c.ISC;
            row.TEP = c.TEP;
            row.DLEnaa = c.DLEnaa;
        });
        const SweepCell es = sweepCell(sweep, 0, c.column, Language::Spanish);
        const SweepCell en = sweepCell(sweep, 0, c.column, Language::English);
        if (!c.shown) {
            EXPECT_EQ(textOf(es), "Ilim.");
            EXPECT_EQ(textOf(en), "Unlim.");
            continue;
        }
        EXPECT_TRUE(es.pattern);
        EXPECT_EQ(es.value, *c.shown);
    }
}

TEST(SweepCells, WorkedRowsShowThePublishedDigits)
{
    // Start inputs, globe 20 °C, relative humidity 65 %: the published rows at 0.05 and 2.5 m/s,
    // printed with the decimals the table shows.
    MethodResults results;
    const InputParameters input = inputs({ Method::Pmv, Method::Wci });
    ASSERT_FALSE(Evaluate(input, results).fault);
    const Sweep sweep = AirVelocitySweep(input, results);
    struct Row
    {
        int row;
        SweepColumn column;
        const char *published;
    };
    const Row rows[] = {
        { 0, SweepColumn::PIVM, "-0.64" },
        { 0, SweepColumn::PPPI, "13.6" },
        { 0, SweepColumn::PWCI, "254.4" },
        { 0, SweepColumn::Ptch, "23.0" },
        { 15, SweepColumn::PIVM, "-1.64" },
        { 15, SweepColumn::PPPI, "58.6" },
        { 15, SweepColumn::PWCI, "418.6" },
        { 15, SweepColumn::Ptch, "16.6" },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << r.row << " " << name(r.column));
        const SweepCell cell = sweepCell(sweep, r.row, r.column, Language::Spanish);
        ASSERT_TRUE(cell.pattern);
        const std::string published = r.published;
        const int decimals = static_cast<int>(published.size() - published.find('.') - 1);
        EXPECT_EQ(fixedDecimals(*cell.pattern), decimals);
        EXPECT_NEAR(cell.value, std::stod(published), 0.5 * std::pow(10.0, -decimals));
    }
    EXPECT_EQ(textOf(sweepCell(sweep, 0, SweepColumn::PISC, Language::Spanish)), "  -");
}

TEST(SweepCells, NothingIsComputedAfterAnEvaluationAFaultStopped)
{
    const InputParameters input = inputs({ Method::Pmv, Method::Ireq });
    const Sweep sweep = sweepNotComputed(
        input, { Method::Ireq, "IREQ Newton (x, y)", kalvora::engine::FaultKind::NoConvergence });
    for (int row = 0; row < kSweepRowsShown; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(
            sweepCell(sweep, row, SweepColumn::pv, Language::Spanish).value, kVelocities[row]);
        // PMV ran before the fault, yet the sweep reads the evaluation's shared values: empty.
        for (const SweepColumn column :
            { SweepColumn::PIVM, SweepColumn::PPPI, SweepColumn::Imin, SweepColumn::Ineut })
            EXPECT_EQ(textOf(sweepCell(sweep, row, column, Language::Spanish)), "");
        EXPECT_EQ(textOf(sweepCell(sweep, row, SweepColumn::PWCI, Language::Spanish)), "     -");
    }
}

TEST(SweepCells, MethodsAfterAFaultAreLeftEmpty)
{
    // No evaporative capacity at a vapour pressure of 5.6 kPa: the heat stress index divides by
    // zero. PMV ran before it and keeps its numbers; the methods after it were never reached.
    const InputParameters input = inputs({ Method::Pmv, Method::Hsi, Method::Wci },
        { { Field::pa, "5.6" } }, { { OptionGroup::humedad, 2 } });
    MethodResults results;
    results.pvap = 5.6;
    results.fclo = 1.1;
    const Sweep sweep = AirVelocitySweep(input, results);
    ASSERT_TRUE(sweep.fault);
    ASSERT_EQ(sweep.fault->method, Method::Hsi);
    EXPECT_TRUE(sweepCell(sweep, 0, SweepColumn::PIVM, Language::Spanish).pattern);
    for (const SweepColumn column : { SweepColumn::PISC, SweepColumn::PTEP, SweepColumn::PWCI }) {
        SCOPED_TRACE(name(column));
        EXPECT_EQ(textOf(sweepCell(sweep, 0, column, Language::Spanish)), "");
    }
    EXPECT_EQ(textOf(sweepCell(sweep, 0, SweepColumn::PWBGT, Language::Spanish)), "  -");
}

} // namespace
