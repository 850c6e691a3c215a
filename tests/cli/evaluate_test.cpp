#include "run_cli.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kalvora::cli::test {
namespace {

using nlohmann::json;

constexpr const char *kPmvRangeEs = "Alguno de los parámetros introducidos está fuera del rango de "
                                    "aplicación del Método de Fanger (IVM). Para "
                                    "evitar errores de divergencia al calcular el valor del índice "
                                    "IVM, el método de Fanger se desactiva "
                                    "automáticamente";
constexpr const char *kPmvRangeEn = "Some of the introduced parameters are out of Fanger's Method "
                                    "application rank. Fanger's Method is "
                                    "automatically turned off.";

TEST(Evaluate, StartValuesGiveTheFormsResults)
{
    const CliRun run = runCli({ "evaluate" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const json result = json::parse(run.out);
    EXPECT_EQ(result["methods"], json({ "pmv", "hsi", "wbgt", "swreq", "wci", "ireq" }));
    EXPECT_EQ(rounded(result["results"]["TRM"].get<double>(), 2), 21.58);
    EXPECT_EQ(rounded(result["results"]["pvap"].get<double>(), 4), 1.3405);
    EXPECT_EQ(rounded(result["results"]["IVM"].get<double>(), 2), -0.79);
    EXPECT_EQ(result["results"]["dentrangIVM"], 0.0);
    EXPECT_EQ(result["inputs"]["M"], 85.0);
    EXPECT_EQ(result["inputs"]["solar"], "indoor");
    EXPECT_EQ(result["inputs"]["posture"], "seated");
    EXPECT_FALSE(result["inputs"].contains("tr"));
    EXPECT_EQ(result["ratings"].size(), 6u);
    EXPECT_EQ(result["pmvOutOfRange"], false);
    EXPECT_EQ(result["messages"], json::array());
    EXPECT_TRUE(result["fault"].is_null());
}

TEST(Evaluate, ShowsOnlyTheMethodsChosen)
{
    const CliRun run = runCli({ "evaluate", "--methods", "wci" });
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["methods"], json({ "wci" }));
    EXPECT_TRUE(result["results"].contains("WCI"));
    EXPECT_TRUE(result["results"].contains("var"));
    EXPECT_FALSE(result["results"].contains("IVM"));
    EXPECT_FALSE(result["results"].contains("dentrangIVM"));
    EXPECT_EQ(result["ratings"], json({ { "okIVF", result["ratings"]["okIVF"] } }));
    EXPECT_EQ(result["inputs"], json({ { "M", 85.0 }, { "ta", 18.0 }, { "va", 0.15 } }));
}

TEST(Evaluate, NumbersReadBackToTheSameDouble)
{
    const CliRun json1 = runCli({ "evaluate", "--methods", "pmv" });
    const json result = json::parse(json1.out);
    const double ivm = result["results"]["IVM"].get<double>();
    EXPECT_EQ(json::parse(json(ivm).dump()).get<double>(), ivm);
    EXPECT_NE(json1.out.find(json(ivm).dump()), std::string::npos);
}

TEST(Evaluate, PmvOutOfRangeSwitchesPmvOffInBothLanguages)
{
    struct Row
    {
        const char *lang;
        const char *message;
    };
    for (const Row &row : { Row { "es", kPmvRangeEs }, Row { "en", kPmvRangeEn } }) {
        SCOPED_TRACE(row.lang);
        const CliRun run = runCli({ "evaluate", "--M", "300", "--lang", row.lang });
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, std::string(row.message) + "\n");
        const json result = json::parse(run.out);
        EXPECT_EQ(result["pmvOutOfRange"], true);
        EXPECT_EQ(result["messages"], json({ row.message }));
        EXPECT_EQ(result["methods"], json({ "hsi", "wbgt", "swreq", "wci", "ireq" }));
        EXPECT_EQ(result["results"]["dentrangIVM"], 1.0);
        EXPECT_FALSE(result["results"].contains("IVM"));
        EXPECT_FALSE(result["ratings"].contains("okIVM"));
        EXPECT_TRUE(result["results"].contains("ISC"));
    }
}

TEST(Evaluate, RefusalRulesPrintTheirTextsAndNothingElse)
{
    constexpr const char *kGlobeEs
        = "La temperatura de globo (tg) no puede ser menor que la temperatura del aire seco.";
    constexpr const char *kNaturalEs = "La temperatura de bulbo húmedo natural (tbhn) no puede ser "
                                       "mayor que la temperatura del aire seco.";
    constexpr const char *kWetEs = "La temperatura de bulbo húmedo (tbh) no puede ser mayor que la "
                                   "temperatura del aire seco.";
    constexpr const char *kGlobeEn
        = "The globe temperature(tg) can't be lower than the air dry temperature (ta).";
    constexpr const char *kNaturalEn = "The natural wet-bulb temperature (tnw) can't be higher "
                                       "than the air dry temperature (ta).";
    constexpr const char *kWetEn
        = "The wet bulb temperature (tw) can't be higher than the air dry temperature.";
    struct Row
    {
        std::vector<std::string> args;
        std::string err;
    };
    // The air temperature was not given: the user is told which value it took and how to give it.
    const std::string kDefaultTa = "kalvora-cli: ta was not given and defaults to 18; give --ta\n";
    const Row rows[] = {
        { { "--tg", "17.9" }, std::string(kGlobeEs) + "\n" + kDefaultTa },
        { { "--tnw", "19" }, std::string(kNaturalEs) + "\n" + kDefaultTa },
        { { "--tw", "18.5" }, std::string(kWetEs) + "\n" + kDefaultTa },
        { { "--tg", "17", "--tnw", "19", "--tw", "19", "--lang", "en" },
            std::string(kGlobeEn) + "\n" + kNaturalEn + "\n" + kWetEn + "\n" + kDefaultTa },
        { { "--ta", "18", "--tg", "17.9" }, std::string(kGlobeEs) + "\n" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.err);
        std::vector<std::string> args { "evaluate" };
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
    }
}

TEST(Evaluate, RulesApplyOnlyToEnabledInputs)
{
    struct Row
    {
        std::vector<std::string> args;
    };
    const Row rows[] = {
        { { "evaluate", "--tg", "17.9", "--tr", "20" } }, // the globe is not the radiation input
        { { "evaluate", "--tnw", "19", "--methods", "pmv" } }, // tnw only counts for WBGT
        { { "evaluate", "--tg", "17.9", "--methods", "wci" } }, // WCI reads no radiation
        { { "evaluate", "--tg", "18" } }, // equality passes
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.args[1] + " " + row.args[2]);
        const CliRun run = runCli(row.args);
        EXPECT_EQ(run.status, 0) << run.err;
    }
}

TEST(Evaluate, ArithmeticFaultEndsWithStatusThree)
{
    const CliRun run = runCli({ "evaluate", "--pa", "5.6", "--methods", "hsi" });
    ASSERT_EQ(run.status, 3) << run.err;
    const json result = json::parse(run.out);
    ASSERT_TRUE(result["fault"].is_object());
    EXPECT_EQ(result["fault"]["method"], "hsi");
    EXPECT_FALSE(result["fault"]["step"].get<std::string>().empty());
    const std::string message = result["fault"]["message"];
    EXPECT_EQ(run.err, message + "\n");
    EXPECT_EQ(result["messages"], json({ message }));
    EXPECT_EQ(result["methods"], json::array());
    EXPECT_TRUE(result["results"].contains("pvap"));
    EXPECT_FALSE(result["results"].contains("ISC"));
    EXPECT_EQ(result["ratings"], json::object());
}

TEST(Evaluate, UsageErrorsSayWhatIsWrongInOneLine)
{
    struct Row
    {
        std::vector<std::string> args;
        const char *mentions;
    };
    const Row rows[] = {
        { { "evaluate", "--ta", "18,5" }, "--ta" },
        { { "evaluate", "--va", "1e999" }, "--va" },
        { { "evaluate", "--M", "nan" }, "--M" },
        { { "evaluate", "--rh", "50", "--tw", "15" }, "--tw" },
        { { "evaluate", "--methods", "pmv,foo" }, "foo" },
        { { "evaluate", "--posture", "lying" }, "--posture" },
        { { "evaluate", "--lang", "fr" }, "--lang" },
        { { "evaluate", "--format", "xml" }, "--format" },
        { { "sweep", "--format", "csv", "--columns", "IVM,IREQ1" }, "IREQ1" },
        { { "evaluate", "--columns", "IVM,okIVM,ivm" }, "'ivm'" },
        { { "batch", "-", "--precision", "18" }, "--precision" },
        { { "evaluate", "--ta", "--methods", "wbgt" }, "missing value for --ta" },
        { { "batch", "a.csv", "-o", "--threads", "2" }, "missing value for -o" },
        { { "evaluate", "--ta", "1e-400x" }, "'1e-400x'" },
        { { "evaluate", "--posture", "\x1b[2Jseated" }, "'\\x1b[2Jseated'" },
        { { "evaluate", "--bogus", "1" }, "--bogus" },
        { { "evaluate", "--ta" }, "--ta" },
        { { "sweep", "--tw", "15", "--pa", "1" }, "--pa" },
        { { "batch" }, "FILE" },
        { { "batch", "-", "--threads", "0" }, "--threads" },
        { {}, "subcommand" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mentions);
        const CliRun run = runCli(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(row.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(Evaluate, NegativeValuesAreValuesNotOptions)
{
    const CliRun run = runCli({ "evaluate", "--ta", "-5", "--methods", "wci" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["inputs"]["ta"], -5.0);
}

TEST(Evaluate, TextFormatGroupsValuesWithUnits)
{
    const CliRun run = runCli({ "evaluate", "--format", "text", "--lang", "en" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("pvap                  1.34 kPa\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nPMV\n"), std::string::npos);
    EXPECT_NE(run.out.find("IVM                  -0.79\n"), std::string::npos);
    EXPECT_EQ(run.out.find("nan"), std::string::npos);
    EXPECT_EQ(run.out.find("inf"), std::string::npos);
}

TEST(Evaluate, HelpAndVersion)
{
    const CliRun version = runCli({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kalvora-cli 3.0.0\n");
    const CliRun help = runCli({ "evaluate", "--help" });
    EXPECT_EQ(help.status, 0);
    for (const char *text : { "--M", "W/m²", "default 85", "--tr", "--pa", "kPa", "--methods",
             "--format", "--columns", "--precision", "Unlimited" })
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    const CliRun sweep = runCli({ "sweep", "--help" });
    for (const char *text : { "--columns", "--precision", "IREQneut" })
        EXPECT_NE(sweep.out.find(text), std::string::npos) << text;
    const CliRun batch = runCli({ "batch", "--help" });
    for (const char *text : { "--columns", "--precision", "- for standard input",
             "- : standard output", "progress line", "--quiet", "empty cell" })
        EXPECT_NE(batch.out.find(text), std::string::npos) << text;
}

} // namespace
} // namespace kalvora::cli::test
