// The command line as a user types it: flags and options in any order, and a refusal that
// involves a value the user did not give says which default took part.

#include "run_cli.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kalvora::cli::test {
namespace {

TEST(BatchOptions, FlagsAndOptionsWorkInAnyOrder)
{
    const std::string input = "ta,tg\n25,30\n";
    const std::vector<std::vector<std::string>> orders = {
        { "batch", "-", "--quiet", "-o", "-" },
        { "batch", "-", "--quiet", "--threads", "1" },
        { "batch", "-", "--quiet", "--columns", "IVM,PPI" },
        { "batch", "-", "-q", "--lang", "en" },
        { "batch", "--quiet", "-" },
        { "batch", "-", "--columns", "IVM", "--quiet" },
    };
    for (const std::vector<std::string> &args : orders) {
        SCOPED_TRACE(testing::PrintToString(args));
        const CliRun run = runCli(args, input);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    }
    const CliRun missing = runCli({ "batch", "-", "-o", "--quiet" }, input);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing value for -o"), std::string::npos) << missing.err;
}

TEST(DefaultedInputs, ARefusalSaysWhichInputWasNotGivenAndItsDefault)
{
    const struct
    {
        std::vector<std::string> args;
        std::vector<std::string> notes;
    } cases[] = {
        { { "evaluate", "--ta", "25" }, { "tg was not given and defaults to 20; give --tg" } },
        { { "evaluate", "--tg", "15" }, { "ta was not given and defaults to 18; give --ta" } },
        { { "evaluate", "--ta", "10", "--methods", "wbgt" },
            { "tnw was not given and defaults to 16; give --tnw" } },
        { { "evaluate", "--ta", "25", "--tg", "20" }, {} },
        { { "sweep", "--ta", "25", "--tg", "26", "--tnw", "27", "--methods", "wbgt" }, {} },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args[2]);
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        for (const std::string &note : c.notes)
            EXPECT_NE(run.err.find("kalvora-cli: " + note + "\n"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("was not given") == std::string::npos, c.notes.empty()) << run.err;
    }
}

} // namespace
} // namespace kalvora::cli::test
