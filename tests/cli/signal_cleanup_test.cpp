// Ctrl+C, SIGTERM and SIGHUP while the real program writes its output beside OUT: the temporary
// file goes, OUT stays as it was, and the program ends by the signal as if it had not caught it.

#include "tests/scratch_dir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kalvora::cli::test {
namespace {

using kalvora::test::readAll;
using kalvora::test::ScratchDir;
using kalvora::test::writeAll;
namespace fs = std::filesystem;

using namespace std::chrono_literals;

/// Starts kalvora-cli with args, standard input read from input, as a shell starts it: the
/// three signals at their default action, whatever the test runner set.
pid_t start(const std::vector<std::string> &args, int input)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (const int signal : { SIGINT, SIGTERM, SIGHUP, SIGPIPE })
        std::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    dup2(input, STDIN_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    std::vector<char *> argv { const_cast<char *>(KALVORA_CLI) };
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    execv(KALVORA_CLI, argv.data());
    _exit(127);
}

/// Waits, a minute at most, until the program has a temporary file beside target holding at
/// least bytes.
bool temporaryFileAppears(const fs::path &target, std::uintmax_t bytes)
{
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += '.';
    for (int i = 0; i < 6000; ++i) {
        for (const fs::directory_entry &entry : fs::directory_iterator(target.parent_path())) {
            std::error_code error;
            if (entry.path().filename().string().starts_with(prefix)
                && fs::file_size(entry.path(), error) >= bytes && !error)
                return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

/// The status the program ended with, a minute at most; killed and reported otherwise.
int endStatus(pid_t pid)
{
    int status = 0;
    for (int i = 0; i < 6000; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return status;
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    ADD_FAILURE() << "the program did not end on the signal";
    return status;
}

void writeText(int descriptor, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(descriptor, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

std::string manyRows(std::size_t rows)
{
    std::string text = "ta,tg,methods\n";
    for (std::size_t i = 0; i < rows; ++i) {
        text += std::to_string(20 + i % 10);
        text += ",30,all\n";
    }
    return text;
}

class SignalCleanup : public ScratchDir
{
protected:
    /// Files whose names start with a dot, as the temporary files beside an output do.
    std::size_t hiddenFiles() const
    {
        const fs::directory_iterator entries(fs::path(path("")).parent_path());
        return static_cast<std::size_t>(
            std::count_if(begin(entries), end(entries), [](const fs::directory_entry &entry) {
                return entry.path().filename().string().starts_with(".");
            }));
    }

    void SetUp() override
    {
        ScratchDir::SetUp();
        // Writing to a program that has just ended must not end the test.
        m_pipeAction = std::signal(SIGPIPE, SIG_IGN);
    }
    void TearDown() override
    {
        std::signal(SIGPIPE, m_pipeAction);
        ScratchDir::TearDown();
    }

private:
    void (*m_pipeAction)(int) = SIG_DFL;
};

TEST_F(SignalCleanup, RemovesTheTemporaryFileLeavesTheOutputAndEndsByTheSignal)
{
    const struct
    {
        const char *command;
        const char *output;
        std::uintmax_t writtenBefore; ///< bytes the temporary file holds when the signal comes
    } commands[] = {
        { "batch", "out.csv", 1 },
        { "import", "out.kalvora", 0 },
        { "survey", "out.csv", 0 },
    };
    const std::string survey = path("in.kalvora");
    ASSERT_EQ(mkfifo(survey.c_str(), 0600), 0);
    for (const auto &command : commands) {
        for (const int signal : { SIGINT, SIGTERM, SIGHUP }) {
            SCOPED_TRACE(std::string(command.command) + " " + strsignal(signal));
            const std::string out = path(command.output);
            writeAll(out, "earlier output\n");
            // The input stays open, so the program is still at work when the signal comes.
            int input[2];
            ASSERT_EQ(pipe(input), 0);
            const bool fromSurvey = std::string_view(command.command) == "survey";
            const pid_t pid
                = start({ command.command, fromSurvey ? survey : "-", "-o", out }, input[0]);
            close(input[0]);
            int surveyWriter = -1;
            if (fromSurvey) {
                surveyWriter = open(survey.c_str(), O_WRONLY); // once the program reads it
                writeText(
                    surveyWriter, R"({"format": "kalvora-survey", "version": 1, "points": [)");
            } else {
                // More than the reader's 64 KiB blocks, so that results are written.
                writeText(input[1], manyRows(20000));
            }
            EXPECT_TRUE(temporaryFileAppears(out, command.writtenBefore));
            kill(pid, signal);
            const int status = endStatus(pid);
            close(input[1]);
            if (surveyWriter >= 0)
                close(surveyWriter);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
            EXPECT_EQ(readAll(out), "earlier output\n");
            EXPECT_EQ(hiddenFiles(), 0u);
        }
    }
}

} // namespace
} // namespace kalvora::cli::test
