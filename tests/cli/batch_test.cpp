#include "cli/csv.h"
#include "run_cli.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace kalvora::cli::test {
namespace {

/// The cells of an output CSV by column name, one map per line after the header.
std::vector<std::map<std::string, std::string>> parseOutput(const std::string &csv)
{
    std::istringstream in(csv);
    std::string line;
    std::vector<std::string> header;
    std::string error;
    std::getline(in, line);
    EXPECT_TRUE(SplitCsvLine(line, header, error));
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        EXPECT_TRUE(SplitCsvLine(line, cells, error)) << line;
        EXPECT_EQ(cells.size(), header.size()) << line;
        std::map<std::string, std::string> row;
        for (std::size_t i = 0; i < std::min(cells.size(), header.size()); ++i)
            row[header[i]] = cells[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

TEST(Batch, OneOutputLinePerInputLineWhateverItHolds)
{
    const std::string input = "\xEF\xBB\xBFM,ta,clo,tg,rh,methods,posture\r\n"
                              "85,18,0.7,20,65,all,seated\r\n"
                              "85,18,abc,20,65,all,seated\r\n"
                              "\r\n"
                              "85,18,0.7,20,65,pmv;foo,seated\r\n"
                              "85,1e999,0.7,20,65,all,seated\r\n"
                              "85,18,0.7,20,65,all,seated,extra\r\n"
                              "\"85\",\"18\",\"1,5\",20,65,all,seated\r\n"
                              "\"85\",\"18\",\"0.7\",\"20\",\"65\",\"pmv|wci\",\"seated\"\r\n"
                              "85,18,,,,,\r\n"
                              "85,18,0.7,17,65,all,seated\r\n"
                              "300,18,0.7,20,65,pmv;wci,seated";
    const CliRun run = runCli({ "batch", "-", "--lang", "en" }, input);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err,
        "kalvora-cli: batch: columns absent from the header; every row takes the default of "
        "evaluate for them: va 0.15, tnw 16, solar indoor\n");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')).substr(0, 45),
        "M,ta,clo,tg,rh,methods,posture,status,message");
    const auto rows = parseOutput(run.out);
    ASSERT_EQ(rows.size(), 11u);
    struct Expected
    {
        const char *status;
        const char *messageMentions;
        const char *clo; ///< the input cell echoed
    };
    const Expected expected[] = {
        { "ok", "", "0.7" },
        { "invalid", "clo", "abc" },
        { "invalid", "empty", "" },
        { "invalid", "foo", "0.7" },
        { "invalid", "ta", "0.7" },
        { "invalid", "8 cells", "0.7" },
        { "invalid", "clo", "1,5" },
        { "ok", "", "0.7" },
        { "invalid", "empty cells in needed columns: clo, tg, rh, methods, posture", "" },
        { "refused", "globe", "0.7" },
        { "ok", "Fanger", "0.7" },
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i + 2);
        auto row = rows[i];
        EXPECT_EQ(row["status"], expected[i].status);
        EXPECT_NE(row["message"].find(expected[i].messageMentions), std::string::npos)
            << row["message"];
        EXPECT_EQ(row["clo"], expected[i].clo);
        const bool evaluated = row["status"] == "ok";
        EXPECT_EQ(row["pvap"].empty(), !evaluated);
    }
    auto first = rows[0];
    EXPECT_EQ(first["message"], "");
    EXPECT_FALSE(first["IVM"].empty());
    EXPECT_FALSE(first["okIreq"].empty());
    EXPECT_EQ(first["pmvOutOfRange"], "false");
    auto twoMethods = rows[7];
    EXPECT_FALSE(twoMethods["WCI"].empty());
    EXPECT_TRUE(twoMethods["ISC"].empty());
    EXPECT_TRUE(twoMethods["okISC"].empty());
    auto outOfRange = rows[10];
    EXPECT_EQ(outOfRange["pmvOutOfRange"], "true");
    EXPECT_EQ(outOfRange["dentrangIVM"], "1");
    EXPECT_TRUE(outOfRange["IVM"].empty());
    EXPECT_FALSE(outOfRange["WCI"].empty());
}

TEST(Batch, MatchesEvaluateForTheSamePoint)
{
    const CliRun batch = runCli({ "batch", "-" }, "ta,va\n20,0.3\n");
    ASSERT_EQ(batch.status, 0) << batch.err;
    auto row = parseOutput(batch.out).at(0);
    const CliRun evaluate = runCli({ "evaluate", "--ta", "20", "--va", "0.3" });
    const auto results = nlohmann::json::parse(evaluate.out)["results"];
    for (const char *key : { "TRM", "IVM", "ISC", "WBGT", "wpnaa", "WCI", "IREQ1" })
        EXPECT_EQ(std::stod(row[key]), results[key].get<double>()) << key;
}

TEST(Batch, HeaderProblemsStopBeforeAnyRow)
{
    struct Row
    {
        const char *input;
        const char *mentions;
    };
    const Row rows[] = {
        { "M,ta,humidity\n85,18,50\n", "humidity" },
        { "M,ta,M\n85,18,85\n", "twice" },
        { "", "header" },
        { "M,\"ta\n", "quoted" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mentions);
        const CliRun run = runCli({ "batch", "-" }, row.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(row.mentions), std::string::npos) << run.err;
    }
}

TEST(Batch, ThreadsKeepTheInputOrder)
{
    std::string input = "ta,va,tg,methods\n";
    for (int i = 0; i < 3000; ++i) {
        input += std::to_string(10 + i % 17) + "," + std::to_string(0.05 * (1 + i % 40)) + ","
            + std::to_string(30 + i % 5) + "," + (i % 7 == 0 ? "pmv;hsi" : "all") + "\n";
        if (i % 500 == 0)
            input += "garbage\n";
    }
    const CliRun one = runCli({ "batch", "-", "--threads", "1" }, input);
    const CliRun four = runCli({ "batch", "-", "--threads", "4" }, input);
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(four.status, 1);
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 3000 + 6 + 1);
    EXPECT_TRUE(one.out == four.out);
}

TEST(Batch, ReadsAFileAndWritesTheOutputFile)
{
    const std::string in = testing::TempDir() + "kalvora_batch_in.csv";
    const std::string out = testing::TempDir() + "kalvora_batch_out.csv";
    std::ofstream(in) << "M\n85\n";
    const CliRun run = runCli({ "batch", in, "-o", out });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::ifstream written(out);
    const std::string text(
        (std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_EQ(parseOutput(text).size(), 1u);

    const CliRun missing = runCli({ "batch", testing::TempDir() + "kalvora_no_such_file.csv" });
    EXPECT_EQ(missing.status, 2);
}

} // namespace
} // namespace kalvora::cli::test
