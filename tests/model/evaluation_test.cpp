#include "model/evaluation.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kalvora::model;
using namespace kalvora::model::fixtures;
using kalvora::engine::FaultKind;

namespace {

constexpr Choice kTrGiven { OptionGroup::Radiacion, 1 };
constexpr Choice kPaGiven { OptionGroup::humedad, 2 };

TEST(Evaluate, ComputesEveryMethodAtTheStartInputs)
{
    // The published method values were worked from TRM rounded to 21.58 °C; the tolerances of
    // the small differences they feed (Ereq, ISC) allow for that rounding.
    MethodResults results;
    const Evaluation evaluation = Evaluate(inputs(kAllMethods), results);
    ASSERT_FALSE(evaluation.fault);
    EXPECT_FALSE(evaluation.pmvOutOfRange);
    EXPECT_EQ(
        evaluation.ran, (std::array<bool, kMethodCount> { true, true, true, true, true, true }));
    expectFields(results,
        { { "var", 0.2904, 5e-5 }, { "fclo", 1.12, 5e-3 }, { "TRM", 21.58, 5e-3 },
            { "toperativa", 19.43, 5e-3 }, { "Hrel", 65, 1e-12 }, { "pvap", 1.3405, 5e-5 },
            { "ttbh", 14.06, 5e-3 }, { "dentrangIVM", 0, 0 }, { "tclo", 25.46, 5e-3 },
            { "hc", 6.521, 5e-4 }, { "IVM", -0.791, 5e-4 }, { "PPI", 18.19, 5e-3 },
            { "RIVM", 17.95, 5e-3 }, { "CIVM", 54.48, 5e-3 }, { "EresIVM", 6.541, 5e-4 },
            { "CresIVM", 1.904, 5e-4 }, { "EIVM", 11.277, 5e-4 }, { "AcIVM", -7.159, 5e-3 },
            { "ISC", 0.941, 5e-3 }, { "TEP", -25.79, 5e-3 }, { "RISC", 59.05, 5e-3 },
            { "CISC", 25.05, 5e-3 }, { "EmaxISC", 95.52, 5e-3 }, { "EreqISC", 0.899, 5e-3 },
            { "EISC", 0.899, 5e-3 }, { "AcISC", 0, 1e-9 }, { "WBGT", 17.2, 1e-9 },
            { "WCI", 270.54, 5e-3 }, { "tch", 22.39, 5e-3 } });
    EXPECT_EQ(results.okIVM, 1);
    EXPECT_EQ(results.okISC, 0);
    EXPECT_EQ(results.okWBGT, 0);
    EXPECT_EQ(results.okIVF, 0);
}

TEST(Evaluate, CopiesTheSweatAndInsulationTables)
{
    struct Case
    {
        const char *name;
        InputParameters input;
        std::initializer_list<Expected> expected;
        std::int16_t rating;
        std::int16_t MethodResults::*ratingField;
    };
    const Case cases[] = {
        { "hot sweat case",
            inputs({ Method::SwReq },
                { { Field::Taseco, "35" }, { Field::TRMedia, "45" }, { Field::vaire, "0.3" },
                    { Field::Metabolismo, "150" }, { Field::Iclo, "0.5" },
                    { Field::pa, "2.2491" } },
                { kTrGiven, kPaGiven, { OptionGroup::postura, 0 } }),
            { { "var", 0.7784, 5e-5 }, { "tpSW", 34.087, 5e-4 }, { "CresSW", 0, 1e-9 },
                { "EresSW", 8.758, 5e-4 }, { "hconvSW", 7.5477, 5e-5 }, { "hrSW", 5.1733, 5e-5 },
                { "CSW", -3.718, 5e-4 }, { "RSW", -30.461, 5e-4 }, { "EmaxSW", 183.72, 5e-3 },
                { "ESW", 141.05, 5e-3 }, { "AcSW", 34.37, 5e-3 }, { "wpnaa", 0.76777, 5e-5 },
                { "wpnap", 0.85, 1e-9 }, { "wpaa", 0.92872, 5e-5 }, { "wpap", 0.95484, 5e-5 },
                { "rpnaa", 0.63875, 5e-5 }, { "rpap", 0.54414, 5e-5 }, { "SWpnaa", 200, 1e-9 },
                { "SWpnap", 244.48, 5e-3 }, { "SWpaa", 300, 1e-9 }, { "SWpap", 322.38, 5e-3 },
                { "Dmaxnaa", 1000, 0 }, { "Dmaxnap", 1250, 0 }, { "Dmaxaa", 1500, 0 },
                { "Dmaxap", 2000, 0 }, { "DLEnaa", 87.29, 5e-3 }, { "DLEnap", 186.90, 5e-3 },
                { "DLEaa", 300.0, 5e-2 }, { "DLEap", 372.23, 5e-3 } },
            2, &MethodResults::okSWreq },
        { "cold insulation case",
            inputs({ Method::Ireq },
                { { Field::Metabolismo, "100" }, { Field::Taseco, "-5" }, { Field::TRMedia, "-5" },
                    { Field::pa, "0.3" }, { Field::vaire, "0.5" }, { Field::Iclo, "1.5" } },
                { kTrGiven, kPaGiven }),
            { { "hcIREQ", 7.2357, 5e-4 }, { "CresIREQ", 4.62, 5e-3 }, { "EresIREQ", 6.1514, 5e-4 },
                { "IREQ1", 2.278, 5e-4 }, { "IREQ2", 2.612, 5e-4 }, { "RIREQ", 37.11, 5e-3 },
                { "CIREQ", 80.58, 5e-3 }, { "EIREQ", 5.080, 5e-4 }, { "AcIREQ", -33.54, 5e-3 },
                { "DLE3", 1.193, 5e-4 }, { "DLE4", 0.831, 5e-4 }, { "tcloIREQ", 2.638, 5e-4 },
                { "hrIREQ", 3.3326, 5e-4 } },
            2, &MethodResults::okIreq },
        { "thick clothing gains heat",
            inputs({ Method::Ireq },
                { { Field::Taseco, "0" }, { Field::TRMedia, "0" }, { Field::pa, "0.4" },
                    { Field::vaire, "0.2" }, { Field::Iclo, "2.5" } },
                { kTrGiven, kPaGiven }),
            { { "hcIREQ", 5.2701, 5e-4 }, { "IREQ1", 2.228, 5e-4 }, { "IREQ2", 2.627, 5e-4 },
                { "AcIREQ", 6.572, 5e-4 }, { "DLE3", -6.086, 5e-4 }, { "DLE4", 13.00, 5e-3 },
                { "tcloIREQ", 4.309, 5e-4 } },
            1, &MethodResults::okIreq },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MethodResults results;
        const Evaluation evaluation = Evaluate(c.input, results);
        ASSERT_FALSE(evaluation.fault) << evaluation.fault->step;
        expectFields(results, c.expected);
        EXPECT_EQ(results.*c.ratingField, c.rating);
    }
}

TEST(Evaluate, ChecksThePmvRangeWithInclusiveBounds)
{
    // Radiation and humidity given directly, so TRM and pvap are the typed values; at M = 58 the
    // relative air velocity is the typed one.
    struct Row
    {
        std::initializer_list<Text> texts;
        bool inside;
    };
    const Row rows[] = {
        { { { Field::Metabolismo, "46" } }, true },
        { { { Field::Metabolismo, "232" }, { Field::vaire, "0.05" } }, true },
        { { { Field::Iclo, "0" } }, true },
        { { { Field::Iclo, "2" } }, true },
        { { { Field::Taseco, "10" } }, true },
        { { { Field::Taseco, "30" } }, true },
        { { { Field::TRMedia, "10" } }, true },
        { { { Field::TRMedia, "40" } }, true },
        { { { Field::Metabolismo, "58" }, { Field::vaire, "1" } }, true },
        { { { Field::pa, "2.7" } }, true },
        { { { Field::pa, "0" } }, true },
        { { { Field::Metabolismo, "45.9" } }, false },
        { { { Field::Metabolismo, "232.1" }, { Field::vaire, "0.05" } }, false },
        { { { Field::Iclo, "2.01" } }, false },
        { { { Field::Iclo, "-0.01" } }, false },
        { { { Field::Taseco, "9.99" } }, false },
        { { { Field::Taseco, "30.01" } }, false },
        { { { Field::TRMedia, "9.99" } }, false },
        { { { Field::TRMedia, "40.01" } }, false },
        { { { Field::Metabolismo, "58" }, { Field::vaire, "1.01" } }, false },
        { { { Field::pa, "2.71" } }, false },
        { { { Field::pa, "-0.01" } }, false },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message()
            << InputParameters::name(r.texts.begin()->field) << "=" << r.texts.begin()->text);
        const InputParameters input
            = inputs({ Method::Pmv, Method::Wci }, r.texts, { kTrGiven, kPaGiven });
        MethodResults results;
        results.IVM = 9;
        const Evaluation evaluation = Evaluate(input, results);
        ASSERT_FALSE(evaluation.fault) << evaluation.fault->step;
        EXPECT_EQ(evaluation.pmvOutOfRange, !r.inside);
        EXPECT_EQ(evaluation.ran[0], r.inside);
        EXPECT_EQ(results.dentrangIVM, r.inside ? 0 : 1);
        EXPECT_EQ(results.IVM == 9, !r.inside);
        EXPECT_TRUE(evaluation.ran[static_cast<int>(Method::Wci)]);
        EXPECT_TRUE(input.method(Method::Pmv)); // the caller switches PMV off, not the evaluation
    }
}

TEST(Evaluate, KeepsWhatThisEvaluationDoesNotCompute)
{
    MethodResults results;
    results.TRM = 33;
    results.IVM = 2;
    results.tch = 5;
    results.dentrangIVM = 1;
    results.okISC = 2; // ISC is 0: recomputed to 0
    const Evaluation evaluation = Evaluate(inputs({ Method::Wci, Method::Wbgt }), results);
    ASSERT_FALSE(evaluation.fault);
    EXPECT_EQ(evaluation.ran,
        (std::array<bool, kMethodCount> { false, false, true, false, true, false }));
    // WBGT enables the radiation group: TRM from the globe.
    EXPECT_NEAR(results.TRM, 21.58, 5e-3);

    results.TRM = 33;
    Evaluate(inputs({ Method::Wci }), results);
    EXPECT_EQ(results.TRM, 33); // radiation group disabled: kept
    EXPECT_NEAR(results.toperativa, 24.0, 1e-9); // weight 0.6 on ta at var 0.29 m/s
    EXPECT_EQ(results.IVM, 2);
    EXPECT_EQ(results.dentrangIVM, 1);
    EXPECT_EQ(results.okIVM, 2);
    EXPECT_EQ(results.okISC, 0);
    EXPECT_NEAR(results.WBGT, 17.2, 1e-9);
    EXPECT_EQ(results.okWBGT, 0);
    EXPECT_NEAR(results.tch, 22.39, 5e-3);
    EXPECT_EQ(results.okIVF, 0);
}

TEST(Evaluate, StopsAtAnArithmeticFaultKeepingEarlierResults)
{
    // Vapour pressure 5.6 kPa leaves the heat stress index no evaporative capacity (Emax = 0).
    MethodResults results;
    results.WCI = 123;
    results.okISC = 2;
    const Evaluation evaluation = Evaluate(
        inputs({ Method::Pmv, Method::Hsi, Method::Wci }, { { Field::pa, "5.6" } }, { kPaGiven }),
        results);
    ASSERT_TRUE(evaluation.fault);
    EXPECT_EQ(evaluation.fault->method, Method::Hsi);
    EXPECT_EQ(evaluation.fault->kind, FaultKind::DivisionByZero);
    EXPECT_FALSE(evaluation.fault->step.empty());
    EXPECT_TRUE(evaluation.pmvOutOfRange);
    EXPECT_EQ(results.dentrangIVM, 1);
    EXPECT_EQ(results.pvap, 5.6);
    EXPECT_EQ(results.WCI, 123);
    EXPECT_EQ(results.okISC, 2); // no ratings after a fault
    EXPECT_EQ(evaluation.ran, (std::array<bool, kMethodCount> {}));
}

TEST(Evaluate, RatesTheMethodsThatFinishedBeforeAFault)
{
    // At M 46, ta 28, tg 33, clo 1, va 0.05 PMV gives a vote of 2.67 (red) and the insulation
    // solver finds no root. The previous evaluation, at the start inputs, left PMV orange.
    MethodResults results;
    ASSERT_FALSE(Evaluate(inputs({ Method::Pmv }), results).fault);
    ASSERT_EQ(results.okIVM, 1);
    results.okIreq = 1; // as an earlier IREQ evaluation may have left it

    const Evaluation evaluation = Evaluate(
        inputs({ Method::Pmv, Method::Ireq },
            { { Field::Metabolismo, "46" }, { Field::Taseco, "28" }, { Field::tglobo, "33" },
                { Field::Iclo, "1" }, { Field::vaire, "0.05" } }),
        results);
    ASSERT_TRUE(evaluation.fault);
    EXPECT_EQ(evaluation.fault->method, Method::Ireq);
    EXPECT_EQ(evaluation.fault->kind, FaultKind::NoConvergence);
    EXPECT_EQ(evaluation.ran,
        (std::array<bool, kMethodCount> { true, false, false, false, false, false }));
    EXPECT_NEAR(results.IVM, 2.67, 5e-3);
    EXPECT_EQ(results.okIVM, 2);
    EXPECT_EQ(results.okIreq, 1); // IREQ did not finish: nothing of it is this evaluation's
}

TEST(Evaluate, NamesAnInputBeyondTheRangeOfADoubleWhereItIsUsed)
{
    struct Row
    {
        Field field;
        std::initializer_list<Method> on;
        std::initializer_list<Choice> choices;
        bool faults;
        std::vector<bool> ranBefore;
    };
    const Row rows[] = {
        { Field::Taseco, { Method::Wci }, {}, true, {} },
        { Field::Metabolismo, { Method::Wci }, {}, true, {} },
        { Field::Iclo, { Method::Wci }, {}, true, {} },
        { Field::tglobo, { Method::Pmv }, {}, true, {} },
        { Field::TRMedia, { Method::Pmv }, { kTrGiven }, true, {} },
        { Field::HR, { Method::Wci }, {}, true, {} },
        { Field::pa, { Method::Wci }, { kPaGiven }, true, {} },
        { Field::tbhn, { Method::Pmv, Method::Wbgt }, {}, true, { true, false } },
        { Field::tglobo, { Method::Wbgt }, { kTrGiven }, true, { false, false } },
        { Field::tbhn, { Method::Pmv, Method::Wci }, {}, false, {} },
        { Field::tglobo, { Method::Pmv }, { kTrGiven }, false, {} },
        { Field::tglobo, { Method::Wci }, {}, false, {} },
        { Field::HR, { Method::Wci }, { kPaGiven }, false, {} },
        { Field::tbh, { Method::Pmv }, {}, false, {} },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << InputParameters::name(r.field) << " with " << r.on.size()
                                        << " methods, faulting " << r.faults);
        MethodResults results;
        const Evaluation evaluation
            = Evaluate(inputs(r.on, { { r.field, "1e999" } }, r.choices), results);
        ASSERT_EQ(evaluation.fault.has_value(), r.faults);
        if (!r.faults)
            continue;
        EXPECT_EQ(evaluation.fault->method, std::nullopt);
        EXPECT_EQ(evaluation.fault->step, InputParameters::name(r.field));
        EXPECT_EQ(evaluation.fault->kind, FaultKind::Overflow);
        for (std::size_t m = 0; m < r.ranBefore.size(); ++m)
            EXPECT_EQ(evaluation.ran[m], r.ranBefore[m]);
    }
}

TEST(FaultMessage, NamesWhereAndWhatInTheChosenLanguage)
{
    struct Row
    {
        EvaluationFault fault;
        Language language;
        const char *expected;
    };
    const Row rows[] = {
        { { Method::Hsi, "ISC = 100·Ereq/Emax", FaultKind::DivisionByZero }, Language::English,
            "Arithmetic fault in HSI, step «ISC = 100·Ereq/Emax»: division by zero. The evaluation "
            "was stopped; "
            "change the values and load them again." },
        { { Method::Hsi, "ISC = 100·Ereq/Emax", FaultKind::DivisionByZero }, Language::Spanish,
            "Error aritmético en ISC, paso «ISC = 100·Ereq/Emax»: división por cero. Se ha "
            "detenido la evaluación; "
            "cambie los valores y vuelva a cargarlos." },
        { { std::nullopt, "Taseco", FaultKind::Overflow }, Language::English,
            "Arithmetic fault in the input values, field «Taseco»: overflow. The evaluation was "
            "stopped; change the "
            "values and load them again." },
        { { std::nullopt, "ttbh", FaultKind::NoConvergence }, Language::Spanish,
            "Error aritmético en las magnitudes comunes, paso «ttbh»: sin convergencia. Se ha "
            "detenido la "
            "evaluación; cambie los valores y vuelva a cargarlos." },
        { { Method::Wci, "tch", FaultKind::InvalidOperation }, Language::Spanish,
            "Error aritmético en IVF, paso «tch»: operación no válida. Se ha detenido la "
            "evaluación; cambie los "
            "valores y vuelva a cargarlos." },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.expected);
        EXPECT_EQ(faultMessage(r.fault, r.language), r.expected);
    }
}

} // namespace
