#include "run_cli.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kalvora::cli::test {
namespace {

using nlohmann::json;

TEST(Sweep, SixteenRowsWithTheWindowsValues)
{
    const CliRun run = runCli({ "sweep", "--methods", "pmv,wci" });
    ASSERT_EQ(run.status, 0) << run.err;
    const json sweep = json::parse(run.out);
    EXPECT_EQ(sweep["methods"], json({ "pmv", "wci" }));
    const json &rows = sweep["rows"];
    ASSERT_EQ(rows.size(), 16u);
    struct Row
    {
        std::size_t index;
        double va, ivm, ppd, wci, tch;
    };
    const Row expected[] = {
        { 0, 0.05, -0.64, 13.6, 254.4, 23.0 },
        { 2, 0.15, -0.79, 18.2, 270.5, 22.4 },
        { 12, 1.0, -1.32, 41.2, 347.8, 19.4 },
        { 15, 2.5, -1.64, 58.6, 418.6, 16.6 },
    };
    for (const Row &row : expected) {
        SCOPED_TRACE(row.va);
        const json &got = rows[row.index];
        EXPECT_EQ(rounded(got["va"].get<double>(), 2), row.va);
        EXPECT_EQ(rounded(got["IVM"].get<double>(), 2), row.ivm);
        EXPECT_EQ(rounded(got["PPI"].get<double>(), 1), row.ppd);
        EXPECT_EQ(rounded(got["WCI"].get<double>(), 1), row.wci);
        EXPECT_EQ(rounded(got["tch"].get<double>(), 1), row.tch);
        const int code = std::max(got["okIVM"].get<int>(), got["okIVF"].get<int>());
        EXPECT_EQ(got["code"], code);
        EXPECT_FALSE(got.contains("ISC"));
    }
    EXPECT_EQ(rows[0]["code"], 1);
    EXPECT_EQ(rows[15]["code"], 2);
}

TEST(Sweep, WbgtAloneIsTheSameInEveryRow)
{
    const CliRun run = runCli({ "sweep", "--methods", "wbgt" });
    ASSERT_EQ(run.status, 0) << run.err;
    const json rows = json::parse(run.out)["rows"];
    for (const json &row : rows) {
        EXPECT_EQ(row["WBGT"], rows[0]["WBGT"]);
        EXPECT_EQ(row["code"], rows[0]["code"]);
    }
}

TEST(Sweep, CsvHasAHeaderAndSixteenRows)
{
    const CliRun run = runCli({ "sweep", "--methods", "hsi", "--format", "csv" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "va,var,tr,ISC,TEP,okISC,code");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 17);
}

TEST(Sweep, EvaluationComesFirst)
{
    const CliRun refused = runCli({ "sweep", "--tg", "10" });
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");

    const CliRun outOfRange
        = runCli({ "sweep", "--M", "300", "--methods", "pmv,wci", "--lang", "en" });
    ASSERT_EQ(outOfRange.status, 0) << outOfRange.err;
    EXPECT_NE(outOfRange.err.find("out of Fanger's Method application rank"), std::string::npos);
    EXPECT_EQ(json::parse(outOfRange.out)["methods"], json({ "wci" }));

    const CliRun fault = runCli({ "sweep", "--pa", "5.6", "--methods", "hsi" });
    EXPECT_EQ(fault.status, 3);
    EXPECT_EQ(fault.out, "");
    EXPECT_NE(fault.err.find("ISC"), std::string::npos);
}

} // namespace
} // namespace kalvora::cli::test
