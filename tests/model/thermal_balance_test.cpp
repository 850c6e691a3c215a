// The heat balance the summary shows: which method's, its chart terms, its readings, and the
// class of the metabolic power.

#include "model/presentation/thermal_balance.h"

#include <gtest/gtest.h>
#include <string>

namespace kalvora::model {
namespace {

/// The methods whose values the summary shows.
ShownMethods shown(std::initializer_list<Method> on)
{
    ShownMethods methods {};
    for (const Method method : on)
        methods[static_cast<std::size_t>(method)] = true;
    return methods;
}

/// A record whose balance terms tell the methods apart: IREQ 1x, SWreq 2x, PMV 3x, HSI 4x.
MethodResults distinctBalances()
{
    MethodResults r;
    r.RIREQ = 11, r.CIREQ = 12, r.CresIREQ = 13, r.EresIREQ = 14, r.EIREQ = 15, r.AcIREQ = 16;
    r.RSW = 21, r.CSW = 22, r.CresSW = 23, r.EresSW = 24, r.ESW = 25, r.AcSW = 26;
    r.RIVM = 31, r.CIVM = 32, r.CresIVM = 33, r.EresIVM = 34, r.EIVM = 35, r.AcIVM = 36;
    r.RISC = 41, r.CISC = 42, r.EISC = 45, r.AcISC = 46;
    return r;
}

struct Priority
{
    const char *what;
    std::initializer_list<Method> on;
    std::int16_t okIreq;
    BalanceSource source;
    double R;
    const char *noteEn;
};

TEST(ThermalBalance, FirstApplicableMethodWins)
{
    const Priority rows[] = {
        { "IREQ with strain first", { Method::Ireq, Method::SwReq, Method::Pmv }, 1,
            BalanceSource::Ireq, 11, "(Based on ISO 11079 (IREQ))" },
        { "IREQ alone with strain", { Method::Ireq }, 2, BalanceSource::Ireq, 11,
            "(Based on ISO 11079 (IREQ))" },
        { "IREQ without strain falls to PMV", { Method::Ireq, Method::Pmv }, 0, BalanceSource::Pmv,
            31, "(Based on ISO 7730 (Fanger's PMV))" },
        { "SWreq before PMV and HSI", { Method::SwReq, Method::Pmv, Method::Hsi }, 0,
            BalanceSource::SwReq, 21, "(Based on ISO 7933 (Required sweat rate))" },
        { "PMV before HSI", { Method::Pmv, Method::Hsi }, 0, BalanceSource::Pmv, 31,
            "(Based on ISO 7730 (Fanger's PMV))" },
        { "HSI alone", { Method::Hsi }, 0, BalanceSource::Hsi, 41, "(Based on Heat Stress Index)" },
        { "WBGT and WCI only", { Method::Wbgt, Method::Wci }, 2, BalanceSource::None, 0, "" },
        { "IREQ alone without strain", { Method::Ireq }, 0, BalanceSource::None, 0, "" },
    };
    for (const Priority &row : rows) {
        SCOPED_TRACE(row.what);
        MethodResults r = distinctBalances();
        r.okIreq = row.okIreq;
        const HeatBalance b = chooseBalance(shown(row.on), r, 150);
        EXPECT_EQ(b.source, row.source);
        EXPECT_EQ(b.R, row.R);
        EXPECT_EQ(std::string(balanceNote(b.source).en), row.noteEn);
    }
}

TEST(ThermalBalance, HsiHasNoRespiratoryTermsAndAccumulatesTheRest)
{
    MethodResults r;
    r.RISC = 20, r.CISC = 10, r.EISC = 100, r.AcISC = -999;
    const HeatBalance b = chooseBalance(shown({ Method::Hsi }), r, 150);
    EXPECT_EQ(b.Cres, 0);
    EXPECT_EQ(b.Eres, 0);
    EXPECT_DOUBLE_EQ(b.A, 20); // 150 − 20 − 10 − 100
    EXPECT_STREQ(accumulatedReading(b.A).words.es, "Calor ganado = ");
}

TEST(ThermalBalance, ChartTermsStartWithTheNegatedMetabolicPower)
{
    const HeatBalance b { BalanceSource::SwReq, 1, 2, 3, 4, 5, 6 };
    const auto terms = balanceTerms(b, 85);
    const double expected[] = { -85, 1, 2, 3, 4, 5, 6 };
    for (int i = 0; i < kBalanceTermCount; ++i)
        EXPECT_EQ(terms[i].value, expected[i]) << "row " << i;
    EXPECT_STREQ(terms[0].label.en, "Metabolic power");
    EXPECT_STREQ(terms[6].label.es, "Calor Acumulado ");
    EXPECT_STREQ(terms[6].label.en, "Rate of change in body heat");
}

TEST(ThermalBalance, MetabolicClassBoundsBelongToTheHigherClass)
{
    const struct
    {
        double M;
        const char *es, *en;
    } rows[] = {
        { 79.99, "Estado de reposo", "Estado de reposo" },
        { 80, "Baja", "Low" },
        { 129.99, "Baja", "Low" },
        { 130, "Moderada", "Moderate" },
        { 200, "Elevada", "High" },
        { 260, "Muy elevada", "Very high" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.M);
        EXPECT_STREQ(metabolicClass(row.M).es, row.es);
        EXPECT_STREQ(metabolicClass(row.M).en, row.en);
    }
}

TEST(ThermalBalance, ReadingsOfEachTerm)
{
    const struct
    {
        const char *what;
        Caption reading, expected;
    } rows[] = {
        { "A -0.0005 is balance", balanceVerdict(-0.0005), { "Hay equilibrio", "Balance" } },
        { "A 0.001 is not", balanceVerdict(0.001), { "No hay equilibrio", "No balance" } },
        { "R 0 absorbs", radiationReading(0), { "Absorción de calor", "Won heat" } },
        { "R 0.001 no exchange", radiationReading(0.001),
            { "No hay intercambio de calor por radiación", "No radiation heat exchange" } },
        { "R 0.0011 loses", radiationReading(0.0011),
            { "Evacuación de calor hacia el ambiente", "Lost heat" } },
        { "C 0 no exchange", convectionReading(0),
            { "No hay intercambio de calor por convección", "No convection heat exchange" } },
        { "C negative absorbs", convectionReading(-0.0001),
            { "Absorción de calor", "Heat absorption" } },
        { "C positive loses", convectionReading(0.0001),
            { "Evacuación de calor hacia el ambiente", "Heat evacuation" } },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_STREQ(row.reading.es, row.expected.es);
        EXPECT_STREQ(row.reading.en, row.expected.en);
    }
}

TEST(ThermalBalance, AccumulatedHeatIsWordsAndAMagnitude)
{
    // The words carry the direction; the number after them never carries a sign of its own, so
    // a body losing 3.96 W/m² reads "Calor perdido = 3,96", not "Calor perdido = -3,96".
    const struct
    {
        double A;
        Caption words;
        double magnitude;
    } rows[] = {
        { -3.96, { "Calor perdido = ", "Lost heat = " }, 3.96 },
        { -1234.5, { "Calor perdido = ", "Lost heat = " }, 1234.5 },
        { -0.0005, { "A = ", "A = " }, 0.0005 },
        { 0, { "A = ", "A = " }, 0 },
        { 0.001, { "Calor ganado = ", "Won heat = " }, 0.001 },
        { 20, { "Calor ganado = ", "Won heat = " }, 20 },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.A);
        const AccumulatedReading reading = accumulatedReading(row.A);
        EXPECT_STREQ(reading.words.es, row.words.es);
        EXPECT_STREQ(reading.words.en, row.words.en);
        EXPECT_EQ(reading.magnitude, row.magnitude);
    }
}

TEST(ThermalBalance, ReadingsOnlyForMethodsWithAHeatBalanceOfTheirOwn)
{
    EXPECT_TRUE(balanceReadingsShown(shown({ Method::Pmv })));
    EXPECT_TRUE(balanceReadingsShown(shown({ Method::Hsi })));
    EXPECT_TRUE(balanceReadingsShown(shown({ Method::SwReq })));
    EXPECT_FALSE(balanceReadingsShown(shown({ Method::Ireq, Method::Wbgt, Method::Wci })));
}

} // namespace
} // namespace kalvora::model
