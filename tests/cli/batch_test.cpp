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
        std::string input;
        const char *mentions;
    };
    using namespace std::string_literals;
    const Row rows[] = {
        { "M,ta,humidity\n85,18,50\n", "humidity" },
        { "M,ta,M\n85,18,85\n", "twice" },
        { "", "header" },
        { "M,\"ta\n", "quoted" },
        // Control characters reach the terminal escaped, and a NUL does not cut the message.
        { "M,t\x1b[31ma\n", "column 't\\x1b[31ma';" },
        { "M,t\0a\x7f\n"s, "column 't\\0a\\x7f';" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mentions);
        const CliRun run = runCli({ "batch", "-" }, row.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(row.mentions), std::string::npos) << run.err;
    }
}

TEST(Batch, AnEmptyCellIsInvalidWhereTheRowsMethodsNeedIt)
{
    // tg and tr are the two radiation inputs, rh and tw two humidity inputs: one of each is
    // needed where the methods read radiation or humidity, and WBGT always reads the globe.
    const std::string header = "ta,tg,tr,rh,tw,clo,posture,methods\n";
    struct Row
    {
        const char *line;
        const char *status;
        const char *message;
    };
    const Row rows[] = {
        { "20,,,,,,,wci", "ok", "" },
        { "20,,25,50,,0.5,,pmv", "ok", "" },
        { "20,22,,,15,0.5,,pmv", "ok", "" },
        { "20,,25,50,,0.5,,wbgt", "invalid", "empty cell in a needed column: tg" },
        { "20,,,50,,0.5,,pmv", "invalid", "empty cells in needed columns: tg, tr" },
        { "20,22,,,,0.5,,hsi", "invalid", "empty cells in needed columns: rh, tw" },
        { "20,22,,50,,,,pmv", "invalid", "empty cell in a needed column: clo" },
        { "20,22,,50,,0.5,,swreq", "invalid", "empty cell in a needed column: posture" },
        { "20,22,,50,,0.5,,", "invalid", "empty cells in needed columns: posture, methods" },
        { ",22,,50,,0.5,seated,ireq", "invalid", "empty cell in a needed column: ta" },
    };
    std::string input = header;
    for (const Row &row : rows)
        input += std::string(row.line) + "\n";
    const CliRun run = runCli({ "batch", "-", "--lang", "en" }, input);
    EXPECT_EQ(run.status, 1);
    const auto output = parseOutput(run.out);
    ASSERT_EQ(output.size(), std::size(rows));
    for (std::size_t i = 0; i < output.size(); ++i) {
        SCOPED_TRACE(rows[i].line);
        auto row = output[i];
        EXPECT_EQ(row["status"], rows[i].status);
        EXPECT_EQ(row["message"], rows[i].message);
        EXPECT_EQ(row["var"].empty(), row["status"] == "invalid");
    }
}

TEST(Batch, SaysOnceWhichAbsentColumnsTakeWhichDefaults)
{
    struct Row
    {
        const char *header;
        const char *notice; ///< empty: no notice at all
    };
    const Row rows[] = {
        { "M,ta,clo,va,tg,tnw,rh,solar,posture,methods", "" },
        { "M,ta,clo,va,tg,tnw,tw,solar,posture,methods", "" }, // tw stands for the humidity
        { "ta,tr,pa",
            "M 85, clo 0.7, va 0.15, tg 20, tnw 16, solar indoor, posture seated, "
            "methods all" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.header);
        const std::string input = std::string(row.header) + "\n" + "garbage\ngarbage\n";
        const CliRun run = runCli({ "batch", "-" }, input);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err,
            *row.notice ? "kalvora-cli: batch: columns absent from the header; every row takes "
                          "the default of evaluate for them: "
                    + std::string(row.notice) + "\n"
                        : std::string());
    }
}

TEST(Batch, AnUnreadableLineIsEchoedAsItWasRead)
{
    struct Row
    {
        const char *line;
        std::vector<std::string> echoed;
    };
    const Row rows[] = {
        { "\"25\"x,18", { "\"25\"x", "18" } },
        { "25,\"18", { "25", "\"18" } },
        { "\"a,b", { "\"a", "b" } },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const CliRun run = runCli({ "batch", "-" }, "ta,tg\n" + std::string(row.line) + "\n");
        EXPECT_EQ(run.status, 1);
        auto output = parseOutput(run.out).at(0);
        EXPECT_EQ(output["status"], "invalid");
        EXPECT_EQ(output["ta"], row.echoed[0]);
        EXPECT_EQ(output["tg"], row.echoed[1]);
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
