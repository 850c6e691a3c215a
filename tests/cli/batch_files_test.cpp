// The batch command and the files around it: an output is replaced only when a run ends
// normally, never when it is the input, and a failed write is never reported as success.

#include "run_cli.h"
#include "tests/scratch_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kalvora::cli::test {
namespace {

namespace fs = std::filesystem;

using kalvora::test::readAll;
using kalvora::test::writeAll;
using BatchFiles = kalvora::test::ScratchDir;

constexpr const char *kInput = "M,ta,clo,va,tg,tnw,rh,methods,posture,solar\n"
                               "85,18,0.7,0.15,20,16,65,all,seated,indoor\n";

TEST_F(BatchFiles, AnOutputThatIsTheInputIsRefusedAndTheInputKept)
{
    writeAll(path("a.csv"), kInput);
    fs::create_symlink(path("a.csv"), path("link.csv"));
    fs::create_hard_link(path("a.csv"), path("hard.csv"));
    for (const char *output : { "a.csv", "link.csv", "hard.csv" }) {
        SCOPED_TRACE(output);
        const CliRun run = runCli({ "batch", path("a.csv").string(), "-o", path(output).string() });
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
        EXPECT_EQ(readAll(path("a.csv")), kInput);
        EXPECT_EQ(files(), 3u);
    }
}

TEST_F(BatchFiles, AnExistingOutputIsReplacedOnlyWhenTheRunEndsNormally)
{
    struct Row
    {
        const char *name;
        std::string input;
        int status;
        bool replaced;
    };
    const Row rows[] = {
        { "unknown column", "M,humidity\n85,50\n", 2, false },
        { "no header", "", 2, false },
        { "every row read", kInput, 0, true },
        { "an invalid row", std::string(kInput) + "85,abc,0.7,0.15,20,16,65,all,seated,indoor\n", 1,
            true },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeAll(path("in.csv"), row.input);
        writeAll(path("results.csv"), "earlier results\n");
        chmod(path("results.csv").c_str(), 0640);
        const CliRun run
            = runCli({ "batch", path("in.csv").string(), "-o", path("results.csv").string() });
        EXPECT_EQ(run.status, row.status) << run.err;
        const std::string written = readAll(path("results.csv"));
        EXPECT_EQ(written == "earlier results\n", !row.replaced) << written;
        EXPECT_EQ(written.starts_with("M,"), row.replaced);
        // Nothing left beside the target, and a replaced file keeps the permissions it had.
        EXPECT_EQ(files(), 2u);
        EXPECT_EQ(fs::status(path("results.csv")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
}

// A file of many megabytes is handed to the disk in steps while it is written; what arrives is
// what standard output receives, byte for byte.
TEST_F(BatchFiles, ALargeOutputArrivesWhole)
{
    std::string input = kInput;
    const std::string row = input.substr(input.find('\n') + 1);
    for (int i = 0; i < 12000; ++i)
        input += row;
    writeAll(path("in.csv"), input);
    const CliRun toFile
        = runCli({ "batch", path("in.csv").string(), "-o", path("results.csv").string() });
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    const CliRun toOutput = runCli({ "batch", "-" }, input);
    EXPECT_GT(toOutput.out.size(), std::size_t { 10 } << 20);
    EXPECT_TRUE(readAll(path("results.csv")) == toOutput.out);
    EXPECT_EQ(files(), 2u);
}

TEST_F(BatchFiles, DashIsStandardOutputAndSpecialFilesAreWrittenInPlace)
{
    writeAll(path("in.csv"), kInput);
    const fs::path before = fs::current_path();
    fs::current_path(path(""));
    const CliRun dash = runCli({ "batch", "in.csv", "-o", "-" });
    const bool fileNamedDash = fs::exists("-");
    fs::current_path(before);
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_TRUE(dash.out.starts_with("M,ta,"));
    EXPECT_FALSE(fileNamedDash);

    const CliRun null = runCli({ "batch", path("in.csv").string(), "-o", "/dev/null" });
    EXPECT_EQ(null.status, 0) << null.err;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    const CliRun full = runCli({ "batch", path("in.csv").string(), "-o", "/dev/full" });
    EXPECT_EQ(full.status, 2);
    EXPECT_NE(full.err.find("could not be written"), std::string::npos) << full.err;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(BatchFiles, AnInputThatCannotBeReadIsNamedWithTheSystemsReason)
{
    struct Row
    {
        std::string input;
        const char *reason;
    };
    const Row rows[] = {
        { path("").string(), "it is a directory" },
        { path("missing.csv").string(), "No such file or directory" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        const CliRun run = runCli({ "batch", row.input });
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("no header line"), std::string::npos) << run.err;
    }
}

/// A stream buffer whose every write fails, as on a full disk or a closed standard output.
class FailingBuffer : public std::streambuf
{
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(WriteFailure, EveryCommandEndsWithStatusTwo)
{
    const std::vector<std::vector<std::string>> commands = {
        { "evaluate" },
        { "evaluate", "--format", "text" },
        { "evaluate", "--format", "csv" },
        { "sweep" },
        { "sweep", "--format", "csv" },
        { "columns" },
        { "evaluate", "--help" },
        { "batch", "-" },
    };
    for (std::vector<std::string> args : commands) {
        SCOPED_TRACE(args.front() + " " + (args.size() > 1 ? args[1] : ""));
        args.insert(args.begin(), "kalvora-cli");
        std::vector<const char *> argv;
        for (const std::string &arg : args)
            argv.push_back(arg.c_str());
        std::istringstream in(kInput);
        FailingBuffer failing;
        std::ostream out(&failing);
        std::ostringstream err;
        EXPECT_EQ(RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err), 2);
        EXPECT_NE(err.str().find("could not be written"), std::string::npos) << err.str();
    }
}

TEST(Threads, ThreadsThatCannotBeStartedAreAnErrorNotAnAbort)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "lowering another user's process limit needs root";
    // A child process as an unprivileged user allowed four processes: threads run out at once.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        const rlimit few { 4, 4 };
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0 || setrlimit(RLIMIT_NPROC, &few) != 0)
            _exit(10);
        const CliRun run = runCli({ "batch", "-", "--threads", "256" }, kInput);
        _exit(run.status == 2 && run.err.find("cannot start 257 threads") != std::string::npos
                    && run.out.empty()
                ? 0
                : 11);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace kalvora::cli::test
