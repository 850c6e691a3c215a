#include "model/presentation/sweep_cells.h"
#include "model_fixtures.h"

#include <array>
#include <gtest/gtest.h>
#include <span>

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

std::string textOf(const SweepCell &cell)
{
    EXPECT_EQ(cell.pattern, CellPattern::Text);
    return cell.text;
}

TEST(SweepCells, MethodsTakingNoPartShowTheirDashes)
{
    const std::pair<SweepColumn, const char *> expected[] = {
        { SweepColumn::PIVM, "   -" },
        { SweepColumn::PPPI, "  -" },
        { SweepColumn::PISC, "  -" },
        { SweepColumn::PTEP, "  -" },
        { SweepColumn::Pwp, "  -" },
        { SweepColumn::PSWp, "    -" },
        { SweepColumn::PDLE, "  -" },
        { SweepColumn::peq, "  -" },
        { SweepColumn::PAc, "    -" },
        { SweepColumn::PWCI, "     -" },
        { SweepColumn::Ptch, "   -" },
        { SweepColumn::PWBGT, "  -" },
        { SweepColumn::Imin, "" },
        { SweepColumn::Ineut, "" },
    };
    const Sweep sweep = AirVelocitySweep(inputs({}), MethodResults());
    ASSERT_FALSE(sweep.fault);
    for (int row = 0; row < kSweepRowsShown; ++row) {
        for (const auto &[column, dash] : expected) {
            SCOPED_TRACE(testing::Message() << "row " << row << " " << sweepColumnName(column));
            EXPECT_EQ(textOf(sweepCell(sweep, row, column, Language::English)), dash);
        }
        const SweepCell velocity = sweepCell(sweep, row, SweepColumn::pv, Language::Spanish);
        EXPECT_EQ(velocity.pattern, CellPattern::General);
        EXPECT_NEAR(velocity.value, sweptVelocity(row), 1e-9);
    }
    // 0.05·2 + 0.05 is 0.15000000000000002 in binary sums; the cell says 0.15.
    EXPECT_EQ(sweepCell(sweep, 2, SweepColumn::pv, Language::Spanish).value, 0.15);
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
        EXPECT_EQ(stored.pattern, CellPattern::Grouped1);
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
        EXPECT_NE(es.pattern, CellPattern::Text);
        EXPECT_EQ(es.value, *c.shown);
    }
}

TEST(SweepCells, PatternsOfTheNumbers)
{
    const std::pair<SweepColumn, CellPattern> expected[] = {
        { SweepColumn::PIVM, CellPattern::Grouped2 },
        { SweepColumn::PPPI, CellPattern::Grouped1 },
        { SweepColumn::PISC, CellPattern::Grouped1 },
        { SweepColumn::Pwp, CellPattern::Grouped2 },
        { SweepColumn::PSWp, CellPattern::Grouped2 },
        { SweepColumn::PAc, CellPattern::Grouped1 },
        { SweepColumn::PWCI, CellPattern::Plain1 },
        { SweepColumn::Ptch, CellPattern::Grouped1 },
        { SweepColumn::PWBGT, CellPattern::Grouped2 },
        { SweepColumn::Imin, CellPattern::Grouped1 },
        { SweepColumn::Ineut, CellPattern::Grouped1 },
    };
    const Sweep sweep = sweepWith(kAllMethods, [](SweepRow &) {});
    for (const auto &[column, pattern] : expected) {
        SCOPED_TRACE(sweepColumnName(column));
        EXPECT_EQ(sweepCell(sweep, 3, column, Language::Spanish).pattern, pattern);
    }
}

TEST(SweepCells, WorkedRowsOfPmvAndWindChill)
{
    // Start inputs, globe 20 °C, relative humidity 65 %: published rows at 0.05 and 2.5 m/s.
    MethodResults results;
    const InputParameters input = inputs({ Method::Pmv, Method::Wci });
    ASSERT_FALSE(Evaluate(input, results).fault);
    const Sweep sweep = AirVelocitySweep(input, results);
    struct Row
    {
        int row;
        double PMV, PPD, WCI, tch;
    };
    for (const Row &r :
        { Row { 0, -0.64, 13.6, 254.4, 23.0 }, Row { 15, -1.64, 58.6, 418.6, 16.6 } }) {
        SCOPED_TRACE(r.row);
        EXPECT_NEAR(
            sweepCell(sweep, r.row, SweepColumn::PIVM, Language::Spanish).value, r.PMV, 5e-3);
        EXPECT_NEAR(
            sweepCell(sweep, r.row, SweepColumn::PPPI, Language::Spanish).value, r.PPD, 5e-2);
        EXPECT_NEAR(
            sweepCell(sweep, r.row, SweepColumn::PWCI, Language::Spanish).value, r.WCI, 5e-2);
        EXPECT_NEAR(
            sweepCell(sweep, r.row, SweepColumn::Ptch, Language::Spanish).value, r.tch, 5e-2);
        EXPECT_EQ(textOf(sweepCell(sweep, r.row, SweepColumn::PISC, Language::Spanish)), "  -");
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
    EXPECT_EQ(
        sweepCell(sweep, 0, SweepColumn::PIVM, Language::Spanish).pattern, CellPattern::Grouped2);
    for (const SweepColumn column : { SweepColumn::PISC, SweepColumn::PTEP, SweepColumn::PWCI }) {
        SCOPED_TRACE(sweepColumnName(column));
        EXPECT_EQ(textOf(sweepCell(sweep, 0, column, Language::Spanish)), "");
    }
    EXPECT_EQ(textOf(sweepCell(sweep, 0, SweepColumn::PWBGT, Language::Spanish)), "  -");
}

} // namespace
