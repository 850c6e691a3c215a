// What the user chooses to see: --columns, --precision, the columns command, the CSV of one
// point, and the words the text output shows in place of marker values.

#include "cli/csv.h"
#include "cli/display_number.h"
#include "run_cli.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace kalvora::cli::test {
namespace {

using nlohmann::json;

std::vector<std::string> cellsOf(const std::string &line)
{
    std::vector<std::string> cells;
    std::string error;
    EXPECT_TRUE(SplitCsvLine(line, cells, error)) << line;
    return cells;
}

/// Header line and first row of a CSV output, as a map from column to cell.
std::map<std::string, std::string> firstRow(const std::string &csv)
{
    const std::size_t headerEnd = csv.find('\n');
    const std::vector<std::string> header = cellsOf(csv.substr(0, headerEnd));
    const std::vector<std::string> cells
        = cellsOf(csv.substr(headerEnd + 1, csv.find('\n', headerEnd + 1) - headerEnd - 1));
    EXPECT_EQ(header.size(), cells.size());
    std::map<std::string, std::string> row;
    for (std::size_t i = 0; i < std::min(header.size(), cells.size()); ++i)
        row[header[i]] = cells[i];
    return row;
}

TEST(NumberWriters, ZeroFromBelowHasNoSign)
{
    struct Row
    {
        double value;
        int decimals;
        const char *fixed;
        const char *grouped;
    };
    const Row rows[] = {
        { -0.001, 2, "0.00", "0.00" },
        { -0.0, 2, "0.00", "0.00" },
        { -0.4, 0, "0", "0" },
        { -0.0049, 2, "0.00", "0.00" },
        { -0.006, 2, "-0.01", "-0.01" },
        { -1234.567, 2, "-1234.57", "-1,234.57" },
        { 1234567.891, 1, "1234567.9", "1,234,567.9" },
        { 0.125, 17, "0.12500000000000000", "0.12500000000000000" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " with " << row.decimals);
        std::string fixed;
        AppendCsvNumber(fixed, row.value, row.decimals);
        EXPECT_EQ(fixed, row.fixed);
        EXPECT_EQ(
            PatternNumber(row.value, model::NumberPattern::Grouped2, row.decimals), row.grouped);
    }
    EXPECT_EQ(PatternNumber(-0.0, model::NumberPattern::General), "0");
    // The round-trip form keeps the sign of an exact negative zero: it reads back to that double.
    std::string shortest;
    AppendCsvNumber(shortest, -0.0);
    EXPECT_EQ(shortest, "-0");
}

TEST(Columns, ListsEveryResultKeyWithUnitAndMeaningInBothLanguages)
{
    const CliRun batch = runCli({ "batch", "-" }, "ta\n20\n");
    std::vector<std::string> header = cellsOf(batch.out.substr(0, batch.out.find('\n')));
    header.erase(header.begin(), header.begin() + 3); // ta, status, message
    ASSERT_EQ(header.size(), 74u + 6u + 1u); // the record's fields, the ratings, pmvOutOfRange
    for (const char *lang : { "en", "es" }) {
        const CliRun run = runCli({ "columns", "--lang", lang });
        ASSERT_EQ(run.status, 0);
        std::istringstream lines(run.out);
        std::vector<std::string> keys;
        std::string line;
        while (std::getline(lines, line)) {
            keys.push_back(line.substr(0, line.find(' ')));
            EXPECT_GT(line.find_last_not_of(' '), 26u) << line; // a meaning after the unit
        }
        EXPECT_EQ(keys, header) << lang;
    }
    const CliRun english = runCli({ "columns", "--lang", "en" });
    // Units and meanings as the results record states them.
    for (const char *expected : { "\nTEP            min       allowable exposure time",
             "\nPPI            %         predicted percentage of dissatisfied",
             "\nhc             W/(m²·K)  convective heat transfer coefficient",
             "\nDmaxnaa        W·h/m²    maximal water loss (alarm, non-acclimatized)",
             "\nDLE3           h         duration-limited exposure of the worn clothing",
             "\nIREQ1          clo       minimal required insulation" })
        EXPECT_NE(english.out.find(expected), std::string::npos) << expected;
    const CliRun spanish = runCli({ "columns" });
    EXPECT_NE(spanish.out.find("\nWBGT           °C        índice WBGT\n"), std::string::npos);
}

TEST(Columns, ChooseTheResultKeysAndTheirOrder)
{
    const CliRun all = runCli({ "batch", "-" }, "ta,tg\n20,22\n");
    const CliRun chosen = runCli(
        { "batch", "-", "--columns", "PPI,IVM,okIVM,IVM,pmvOutOfRange" }, "ta,tg\n20,22\n");
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_EQ(chosen.out.substr(0, chosen.out.find('\n')),
        "ta,tg,status,message,PPI,IVM,okIVM,pmvOutOfRange");
    auto full = firstRow(all.out);
    auto few = firstRow(chosen.out);
    for (const char *key : { "PPI", "IVM", "okIVM", "pmvOutOfRange" })
        EXPECT_EQ(few[key], full[key]) << key;

    const CliRun point = runCli({ "evaluate", "--ta", "20", "--tg", "22", "--columns", "PPI,IVM" });
    EXPECT_EQ(json::parse(point.out)["results"].dump(),
        json::parse("{\"PPI\":" + full["PPI"] + ",\"IVM\":" + full["IVM"] + "}").dump());

    const CliRun sweep = runCli({ "sweep", "--format", "csv", "--columns", "IVM,va,WCI" });
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    EXPECT_EQ(sweep.out.substr(0, sweep.out.find('\n')), "IVM,va,WCI");
}

TEST(Precision, FixedDecimalsInEveryFormat)
{
    // At the input form's start values PMV is -0.7911, PPD 18.19 %, TRM 21.579 °C.
    const CliRun batch = runCli({ "batch", "-", "--precision", "2" }, "ta\n18\n");
    auto row = firstRow(batch.out);
    EXPECT_EQ(row["IVM"], "-0.79");
    EXPECT_EQ(row["TRM"], "21.58");
    EXPECT_EQ(row["okIVM"], "1");
    EXPECT_EQ(row["ta"], "18");

    const CliRun csv = runCli({ "evaluate", "--format", "csv", "--precision", "3" });
    auto one = firstRow(csv.out);
    EXPECT_EQ(one["IVM"], "-0.791");
    EXPECT_EQ(one["status"], "ok");
    EXPECT_EQ(one["methods"], "pmv;hsi;wbgt;swreq;wci;ireq");

    const json rounded = json::parse(runCli({ "evaluate", "--precision", "1" }).out);
    EXPECT_EQ(rounded["results"]["IVM"].dump(), "-0.8");
    EXPECT_EQ(rounded["results"]["PPI"].dump(), "18.2");

    const CliRun text = runCli({ "evaluate", "--format", "text", "--precision", "4" });
    EXPECT_NE(text.out.find("IVM                -0.7911\n"), std::string::npos) << text.out;

    // The velocities of the sweep are inputs and stay exact.
    const CliRun sweep
        = runCli({ "sweep", "--format", "csv", "--methods", "pmv", "--precision", "0" });
    const auto sweepRow = firstRow(sweep.out);
    EXPECT_EQ(sweepRow.at("va"), "0.05");
    EXPECT_EQ(sweepRow.at("IVM"), "-1");
}

TEST(EvaluateText, MarkersOfAnUnlimitedExposureShowTheWord)
{
    struct Row
    {
        std::vector<std::string> args;
        const char *key;
        const char *shown; ///< the value cell and unit as the line shows them
    };
    const std::vector<std::string> start = { "--lang", "en" };
    const std::vector<std::string> hot
        = { "--ta", "40", "--tg", "45", "--rh", "60", "--M", "150", "--lang", "en" };
    const Row rows[] = {
        // Start values: HSI 0.94 %, SWreq DLE -1, IREQmin 0.32 and IREQneut 0.73 clo for 0.7 worn.
        { start, "TEP", "   Unlimited\n" },
        { start, "DLEnaa", "   Unlimited\n" },
        { start, "DLEap", "   Unlimited\n" },
        { start, "DLE3", "   Unlimited\n" },
        { start, "DLE4", "       21.78 h\n" },
        { { "--lang", "es" }, "TEP", "   Ilimitado\n" },
        // Hot: HSI 816 %, exposures limited by heat.
        { hot, "TEP", "       12.94 min\n" },
        { hot, "DLEnaa", "       23.39 min\n" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.key << " " << row.args[1]);
        std::vector<std::string> args = { "evaluate", "--format", "text" };
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun run = runCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string key = "\n  " + std::string(row.key);
        const std::size_t at = run.out.find(key + std::string(14 - std::strlen(row.key), ' '));
        ASSERT_NE(at, std::string::npos) << run.out;
        EXPECT_EQ(
            run.out.substr(at + key.size() + 14 - std::strlen(row.key), std::strlen(row.shown)),
            row.shown);
    }
    // The JSON keeps the record's values.
    const json values = json::parse(runCli({ "evaluate" }).out)["results"];
    EXPECT_EQ(values["DLEnaa"], -1.0);
}

} // namespace
} // namespace kalvora::cli::test
