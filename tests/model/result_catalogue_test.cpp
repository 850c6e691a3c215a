// The result catalogue: every key once, with the unit and method the results record states for
// it; the values read back from a record; which values belong to a real evaluation (complete,
// stopped by a fault in a method or in the shared values, PMV switched off for its range,
// refused); and where a time stands for an unlimited exposure.

#include "model/presentation/result_catalogue.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

using namespace kalvora::model;
using namespace kalvora::model::fixtures;

namespace {

TEST(ResultCatalogue, EveryKeyOnceInOutputOrder)
{
    std::set<std::string> keys;
    std::map<std::optional<Method>, int> values;
    int ratings = 0, flags = 0;
    for (const ResultEntry &entry : resultCatalogue()) {
        keys.insert(entry.key);
        if (entry.kind == ResultKind::Value)
            ++values[entry.method];
        ratings += entry.kind == ResultKind::Rating;
        flags += entry.kind == ResultKind::Flag;
        EXPECT_FALSE(entry.meaningIn(Language::Spanish).empty()) << entry.key;
        EXPECT_FALSE(entry.meaningIn(Language::English).empty()) << entry.key;
    }
    EXPECT_EQ(keys.size(), resultCatalogue().size());
    // The record: 7 shared values, 11 of PMV, 8 of the HSI, 1 of WBGT, 10 and twenty criterion
    // values of the required sweat rate, 2 of the wind chill index, 15 of IREQ.
    const std::map<std::optional<Method>, int> expected { { std::nullopt, 7 }, { Method::Pmv, 11 },
        { Method::Hsi, 8 }, { Method::Wbgt, 1 }, { Method::SwReq, 30 }, { Method::Wci, 2 },
        { Method::Ireq, 15 } };
    EXPECT_EQ(values, expected);
    EXPECT_EQ(ratings, 6);
    EXPECT_EQ(flags, 1);
    EXPECT_EQ(resultCatalogue().front().key, "var");
    EXPECT_EQ(resultCatalogue().back().key, "pmvOutOfRange");
    EXPECT_EQ(findResult("nokey"), nullptr);
}

TEST(ResultCatalogue, UnitsAndMethodsAsTheRecordStatesThem)
{
    struct Row
    {
        const char *key;
        std::optional<Method> method;
        const char *unit;
    };
    const Row rows[] = {
        { "var", std::nullopt, "m/s" },
        { "fclo", std::nullopt, "" },
        { "pvap", std::nullopt, "kPa" },
        { "dentrangIVM", Method::Pmv, "" },
        { "hc", Method::Pmv, "W/(m²·K)" },
        { "PPI", Method::Pmv, "%" },
        { "TEP", Method::Hsi, "min" },
        { "EmaxISC", Method::Hsi, "W/m²" },
        { "WBGT", Method::Wbgt, "°C" },
        { "wpnaa", Method::SwReq, "" },
        { "Dmaxap", Method::SwReq, "W·h/m²" },
        { "DLEaa", Method::SwReq, "min" },
        { "tpSW", Method::SwReq, "°C" },
        { "WCI", Method::Wci, "W/m²" },
        { "IREQ2", Method::Ireq, "clo" },
        { "DLE4", Method::Ireq, "h" },
        { "okIVF", Method::Wci, "" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.key);
        const ResultEntry &entry = resultEntry(row.key);
        EXPECT_EQ(entry.method, row.method);
        EXPECT_EQ(entry.unit, row.unit);
    }
    EXPECT_EQ(resultEntry("SWpnap").meaningIn(Language::English),
        "sweat rate (danger, non-acclimatized)");
    EXPECT_EQ(resultEntry("okIreq").meaningIn(Language::Spanish),
        "valoración IREQ: 0 verde, 1 naranja, 2 rojo");
}

TEST(ResultCatalogue, ReadsTheRecordsValues)
{
    MethodResults results;
    results.pvap = 1.3405;
    results.TEP = 15.68;
    results.rpaa = 0.73;
    results.Dmaxnap = 410;
    results.DLEap = -1;
    results.DLE3.reset();
    results.okSWreq = 2;
    Evaluation evaluation;
    evaluation.pmvOutOfRange = true;
    const std::pair<const char *, std::optional<double>> rows[] = { { "pvap", 1.3405 },
        { "TEP", 15.68 }, { "rpaa", 0.73 }, { "Dmaxnap", 410 }, { "DLEap", -1 },
        { "DLE3", std::nullopt }, { "wpaa", 0 }, { "okSWreq", 2 }, { "pmvOutOfRange", 1 } };
    for (const auto &[key, value] : rows)
        EXPECT_EQ(resultEntry(key).read(results, evaluation), value) << key;
}

/// An evaluation of the methods over the given texts, and the scope a reader takes of it.
struct Evaluated
{
    Evaluated(std::initializer_list<Method> on, std::initializer_list<Text> texts)
        : input(inputs(on, texts))
        , evaluation(Evaluate(input, results))
        , scope(evaluation, input)
    {
    }
    InputParameters input;
    MethodResults results;
    Evaluation evaluation;
    EvaluationScope scope;
};

TEST(EvaluationScope, ValuesBelongOnlyWhereTheEvaluationWroteThem)
{
    // Hot still air at rest: IREQ finds no insulation and stops without convergence, after PMV.
    const Evaluated ireqFault({ Method::Pmv, Method::Ireq },
        { { Field::Metabolismo, "46" }, { Field::Taseco, "28" }, { Field::tglobo, "33" },
            { Field::Iclo, "1" }, { Field::vaire, "0.05" } });
    ASSERT_TRUE(ireqFault.evaluation.fault);
    ASSERT_EQ(ireqFault.evaluation.fault->method, Method::Ireq);
    const Evaluated complete({ Method::Pmv, Method::Ireq }, {});
    ASSERT_FALSE(complete.evaluation.fault);
    // PMV's range ends at 30 °C of air: PMV is switched off, WBGT runs.
    const Evaluated outOfRange(
        { Method::Pmv, Method::Wbgt }, { { Field::Taseco, "35" }, { Field::tglobo, "40" } });
    ASSERT_TRUE(outOfRange.evaluation.pmvOutOfRange);
    // A metabolic power beyond the range of a double stops the shared values.
    const Evaluated sharedFault({ Method::Pmv }, { { Field::Metabolismo, "1e400" } });
    ASSERT_TRUE(sharedFault.evaluation.fault);
    ASSERT_FALSE(sharedFault.evaluation.fault->method);
    const EvaluationScope none;

    struct Row
    {
        const char *what;
        const EvaluationScope &scope;
        std::set<std::string> belonging; ///< of the keys below
    };
    const char *const keys[] = { "var", "dentrangIVM", "IVM", "okIVM", "WBGT", "okWBGT", "IREQ1",
        "okIreq", "pmvOutOfRange" };
    const Row rows[] = {
        { "complete", complete.scope,
            { "var", "dentrangIVM", "IVM", "okIVM", "IREQ1", "okIreq", "pmvOutOfRange" } },
        // A method that finished before the fault keeps its values and its rating.
        { "IREQ stopped by a fault", ireqFault.scope,
            { "var", "dentrangIVM", "IVM", "okIVM", "pmvOutOfRange" } },
        { "PMV out of its range", outOfRange.scope,
            { "var", "dentrangIVM", "WBGT", "okWBGT", "pmvOutOfRange" } },
        { "shared values stopped", sharedFault.scope, { "pmvOutOfRange" } },
        { "no evaluation", none, {} },
    };
    for (const Row &row : rows) {
        for (const char *key : keys) {
            SCOPED_TRACE(testing::Message() << row.what << ", " << key);
            EXPECT_EQ(row.scope.belongs(resultEntry(key)), row.belonging.count(key) == 1);
        }
    }
    EXPECT_TRUE(ireqFault.scope.stopped(Method::Ireq));
    EXPECT_FALSE(ireqFault.scope.stopped(Method::Pmv));
    EXPECT_FALSE(ireqFault.scope.stopped(Method::Wbgt)); // not selected
    EXPECT_TRUE(sharedFault.scope.stopped(Method::Pmv));
    EXPECT_FALSE(outOfRange.scope.stopped(Method::Pmv)); // switched off, not stopped
}

TEST(ResultCatalogue, TimesThatStandForAnUnlimitedExposure)
{
    struct Row
    {
        const char *what;
        const char *key;
        void (*set)(MethodResults &);
        double worn; ///< clo
        bool unlimited;
    };
    const Row rows[] = {
        { "TEP at ISC 100", "TEP", [](MethodResults &r) { r.ISC = 100, r.TEP = 30.0; }, 0, true },
        { "TEP at ISC 100.01", "TEP", [](MethodResults &r) { r.ISC = 100.01, r.TEP = 30.0; }, 0,
            false },
        { "TEP empty at Ereq = Emax", "TEP", [](MethodResults &r) { r.ISC = 150, r.TEP.reset(); },
            0, true },
        { "DLE marked -1", "DLEap", [](MethodResults &r) { r.DLEap = -1; }, 0, true },
        { "DLE 0.001 min", "DLEnaa", [](MethodResults &r) { r.DLEnaa = 0.001; }, 0, true },
        { "DLE 0.002 min", "DLEnaa", [](MethodResults &r) { r.DLEnaa = 0.002; }, 0, false },
        { "DLEmin, worn above IREQmin", "DLE3",
            [](MethodResults &r) { r.DLE3 = 2.5, r.IREQ1 = 1.2; }, 1.3, true },
        { "DLEmin, worn at IREQmin", "DLE3", [](MethodResults &r) { r.DLE3 = 2.5, r.IREQ1 = 1.2; },
            1.2, false },
        { "DLEneut reads IREQneut", "DLE4",
            [](MethodResults &r) { r.DLE4 = 2.5, r.IREQ1 = 1.5, r.IREQ2 = 1.2; }, 1.3, true },
        { "DLE1 empty", "DLE1", [](MethodResults &r) { r.DLE1.reset(); }, 0, true },
        { "DLE1 a time", "DLE1", [](MethodResults &r) { r.DLE1 = 3.0; }, 5, false },
        { "a heat flow", "RIVM", [](MethodResults &r) { r.RIVM = -1; }, 0, false },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        MethodResults results;
        row.set(results);
        EXPECT_EQ(marksUnlimitedExposure(resultEntry(row.key), results, row.worn), row.unlimited);
    }
}

} // namespace
