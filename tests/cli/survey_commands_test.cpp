// survey, import and export as a user runs them: a batch file imported and exported comes back
// as it was, a survey gives the numbers batch gives for the same rows, and bad files are
// refused with their place named while nothing on disk changes.

#include "cli/csv.h"
#include "run_cli.h"
#include "tests/scratch_dir.h"

#include <nlohmann/json.hpp>
#include <set>

namespace kalvora::cli::test {
namespace {

using kalvora::test::readAll;
using kalvora::test::ScratchDir;
using kalvora::test::writeAll;
namespace fs = std::filesystem;

/// Rows that end every way a row can: evaluated, PMV out of its range, refused by a loading
/// rule, stopped by an arithmetic fault; every radiation and humidity choice, posture and solar
/// load; a name with quotes, a comma and non-Latin letters.
const std::string kRows = "name,M,ta,clo,va,tg,tr,tnw,rh,tw,pa,solar,posture,methods\n"
                          "Oven,85,25,0.7,0.15,30,,16,50,,,indoor,seated,pmv;wbgt\n"
                          "Yard,150,33,0.5,0.5,45,,25,,22,,outdoor,standing,all\n"
                          "Cold store,100,-10,2.5,0.3,,-12,,80,,,indoor,standing,wci;ireq\n"
                          "Refused,85,25,0.7,0.15,20,,16,50,,,indoor,seated,pmv\n"
                          "PMV out,300,25,0.7,0.15,30,,16,50,,,indoor,seated,pmv;hsi\n"
                          "Fault,46,28,1,0.05,33,,16,50,,,indoor,seated,pmv;ireq\n"
                          "\"Bench \"\"B\"\", 1,1 m 炉\",85,20,0.7,0.15,22,,16,,,1.2,indoor,"
                          "crouching,hsi;swreq\n";

std::vector<std::vector<std::string>> csvLines(const std::string &text)
{
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::vector<std::string> cells;
        std::string error;
        EXPECT_TRUE(SplitCsvLine(text.substr(start, end - start), cells, error)) << error;
        lines.push_back(cells);
        start = end + 1;
    }
    return lines;
}

class SurveyCommands : public ScratchDir
{
};

TEST_F(SurveyCommands, ImportThenExportGivesBackTheRows)
{
    writeAll(path("rows.csv"), kRows);
    const CliRun imported = runCli({ "import", path("rows.csv"), "-o", path("s.kalvora") });
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, ""); // every column named: no default taken
    const CliRun exported = runCli({ "export", path("s.kalvora") });
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, kRows);
}

TEST_F(SurveyCommands, SurveyWritesTheResultCellsBatchWritesForTheSameRows)
{
    writeAll(path("rows.csv"), kRows);
    ASSERT_EQ(runCli({ "import", path("rows.csv"), "-o", path("s.kalvora") }).status, 0);
    for (const char *lang : { "es", "en" }) {
        SCOPED_TRACE(lang);
        const CliRun survey = runCli({ "survey", path("s.kalvora"), "--lang", lang });
        const CliRun batch = runCli({ "batch", path("rows.csv"), "--lang", lang });
        ASSERT_EQ(survey.status, 0) << survey.err;
        ASSERT_EQ(batch.status, 0) << batch.err;
        const auto surveyLines = csvLines(survey.out);
        const auto batchLines = csvLines(batch.out);
        ASSERT_EQ(surveyLines.size(), batchLines.size());
        std::set<std::string> statuses;
        for (std::size_t i = 0; i < surveyLines.size(); ++i) {
            SCOPED_TRACE(i);
            // name first, then the same input columns, status, message and results.
            EXPECT_EQ(surveyLines[i], batchLines[i]);
            statuses.insert(surveyLines[i][14]);
        }
        EXPECT_EQ(statuses, (std::set<std::string> { "status", "ok", "refused", "fault" }));
    }
}

TEST_F(SurveyCommands, ImportNamesPointsAndTakesTheDefaultsOfEvaluateForAbsentColumns)
{
    writeAll(path("rows.csv"), "ta,tg,methods\n25,30,pmv;wbgt\n26,31,wbgt\n");
    const CliRun imported = runCli(
        { "import", path("rows.csv"), "-o", path("s.kalvora"), "--lang", "en", "--title", "T" });
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find("import: columns absent from the header; every row takes the "
                                "default of evaluate for them: M 85, clo 0.7, va 0.15, tnw 16, "
                                "rh 65, solar indoor, posture seated"),
        std::string::npos)
        << imported.err;
    const CliRun exported = runCli({ "export", path("s.kalvora"), "-o", "-" });
    EXPECT_EQ(exported.out,
        "name,M,ta,clo,va,tg,tr,tnw,rh,tw,pa,solar,posture,methods\n"
        "Point 1,85,25,0.7,0.15,30,,16,65,,,indoor,seated,pmv;wbgt\n"
        "Point 2,85,26,0.7,0.15,31,,16,65,,,indoor,seated,wbgt\n");
    const auto survey = nlohmann::json::parse(readAll(path("s.kalvora")));
    EXPECT_EQ(survey["title"], "T");
    EXPECT_EQ(survey["points"][0]["inputs"]["tr"], ""); // no default where giving it chooses it
}

TEST_F(SurveyCommands, ImportWritesNothingWhenARowCannotBeRead)
{
    writeAll(path("s.kalvora"), "earlier survey");
    const struct
    {
        const char *what;
        std::string rows;
        int status;
        const char *message;
    } cases[] = {
        { "a comma decimal", "ta,tg\n25,30\n2,5,30\n", 1, "line 3: 3 cells where" },
        { "an empty needed cell", "ta,tg,methods\n25,,wbgt\n", 1,
            "line 2: empty cell in a needed column: tg" },
        { "an unknown method", "ta,methods\n25,utci\n", 1,
            "line 2: methods: unknown method 'utci'" },
        { "Latin-1 text",
            "name,ta\nPanader\xed"
            "a,25\n",
            1, "line 2: column name: not UTF-8 text" },
        { "an unknown column", "ta,humidity\n25,50\n", 2, "unknown column 'humidity'" },
        { "no header", "", 2, "no header line" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path("rows.csv"), c.rows);
        const CliRun run = runCli({ "import", path("rows.csv"), "-o", path("s.kalvora") });
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(readAll(path("s.kalvora")), "earlier survey");
        EXPECT_EQ(files(), 2u);
    }
}

/// A survey file of one good point with one piece replaced.
std::string surveyWith(const std::string &from = "", const std::string &to = "")
{
    std::string text = R"({"format": "kalvora-survey", "version": 1, "title": "T", "points": [
        {"name": "A", "methods": ["wbgt"], "inputs": {"M": "85", "ta": "25", "clo": "0.7",
        "va": "0.15", "tg": "30", "tr": "", "tnw": "16", "rh": "50", "tw": "", "pa": ""},
        "radiation": "tg", "humidity": "rh", "solar": "indoor", "posture": "seated"}]})";
    if (!from.empty())
        text.replace(text.find(from), from.size(), to);
    return text;
}

TEST_F(SurveyCommands, BadFilesAreRefusedAndNothingOnDiskChanges)
{
    const struct
    {
        const char *what;
        std::string text;
        int status;
        const char *message;
    } cases[] = {
        { "not JSON", "name,ta\nA,25\n", 2, "not a survey file, not JSON" },
        { "truncated", surveyWith().substr(0, 120), 2, "unexpected end of input" },
        { "empty", "", 2, "the file is empty" },
        { "format foreign", surveyWith("kalvora-survey", "other"), 2,
            "/format: expected \"kalvora-survey\", got \"other\"" },
        { "version 2", surveyWith("\"version\": 1", "\"version\": 2"), 2,
            "/version: written by a newer Kalvora: version 2; this one reads version 1" },
        { "points not an array", R"({"format": "kalvora-survey", "version": 1, "points": 3})", 2,
            "/points: expected an array of points, got a number" },
        { "an input text a number", surveyWith("\"ta\": \"25\"", "\"ta\": 25"), 1,
            "/points/0/inputs/ta: expected a string, got a number" },
        { "an unknown method", surveyWith("[\"wbgt\"]", "[\"wbgt\", \"utci\"]"), 1,
            "/points/0/methods/1: unknown method 'utci'" },
        { "an unknown option value", surveyWith("\"indoor\"", "\"inside\""), 1,
            "/points/0/solar: expected one of outdoor, indoor, got 'inside'" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path("s.kalvora"), c.text);
        writeAll(path("out.csv"), "earlier results");
        const CliRun run = runCli({ "survey", path("s.kalvora"), "-o", path("out.csv") });
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(readAll(path("s.kalvora")), c.text);
        EXPECT_EQ(files(), 2u);
        if (c.status == 2) {
            EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
            EXPECT_EQ(readAll(path("out.csv")), "earlier results");
        } else {
            // The point that cannot be read gets its own line; the file is written.
            const auto lines = csvLines(readAll(path("out.csv")));
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[1][14], "invalid");
            EXPECT_EQ(lines[1][15].rfind(c.message, 0), 0u) << lines[1][15];
        }
    }
}

TEST_F(SurveyCommands, FilesThatCannotBeReadOrWouldBeOverwrittenAreRefused)
{
    writeAll(path("s.kalvora"), surveyWith());
    const std::string survey = path("s.kalvora");
    const struct
    {
        std::vector<std::string> args;
        const char *message;
    } cases[] = {
        { { "survey", path("") }, "it is a directory" },
        { { "survey", path("none.kalvora") }, "No such file or directory" },
        { { "export", path("") }, "it is a directory" },
        { { "survey", survey, "-o", survey }, "is the input file" },
        { { "export", survey, "-o", survey }, "is the input file" },
        { { "import", survey, "-o", survey }, "is the input file" },
        { { "import", path("rows.csv") }, "--output is required" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.message);
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(readAll(survey), surveyWith());
        EXPECT_EQ(files(), 1u);
    }
}

TEST_F(SurveyCommands, JsonAndTextGiveEachPointItsNameAndStatus)
{
    writeAll(path("rows.csv"), kRows);
    ASSERT_EQ(
        runCli({ "import", path("rows.csv"), "-o", path("s.kalvora"), "--title", "Bakery" }).status,
        0);
    const CliRun json = runCli(
        { "survey", path("s.kalvora"), "--format", "json", "--columns", "WBGT", "--lang", "en" });
    ASSERT_EQ(json.status, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed["title"], "Bakery");
    ASSERT_EQ(parsed["points"].size(), 7u);
    EXPECT_EQ(parsed["points"][0]["name"], "Oven");
    EXPECT_EQ(parsed["points"][0]["results"]["WBGT"], 20.2); // 0.7 × 16 + 0.3 × 30, ISO 7243
    EXPECT_EQ(parsed["points"][3]["status"], "refused");
    EXPECT_EQ(parsed["points"][3]["messages"][0],
        "The globe temperature(tg) can't be lower than the air dry temperature (ta).");
    EXPECT_EQ(parsed["points"][5]["status"], "fault");
    EXPECT_EQ(parsed["points"][6]["name"], "Bench \"B\", 1,1 m 炉");

    const CliRun text = runCli({ "survey", path("s.kalvora"), "--format", "text", "--lang", "en" });
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Oven\nInputs\n")) << text.out.substr(0, 40);
    EXPECT_NE(text.out.find("\n\nRefused\n  The globe temperature(tg) can't be lower"),
        std::string::npos);
}

TEST(BatchOptions, ANameColumnIsEchoedAndTakesNoPartInTheEvaluation)
{
    const CliRun run = runCli(
        { "batch", "-", "--columns", "WBGT" }, "ta,name,tg,methods\n25,\"Oven, front\",30,wbgt\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n25,\"Oven, front\",30,wbgt,ok,,20.2\n"), std::string::npos)
        << run.out;
}

} // namespace
} // namespace kalvora::cli::test
