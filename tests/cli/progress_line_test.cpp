#include "cli/progress_line.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace kalvora::cli {
namespace {

using namespace std::chrono_literals;

TEST(ProgressLine, SaysHowFarHowFastAndHowLong)
{
    struct Row
    {
        std::uintmax_t read, total, rows;
        std::chrono::duration<double> elapsed;
        const char *text;
    };
    const Row rows[] = {
        { 50, 100, 1000, 2s, "50 % read, 1000 rows, 500 rows/s, 0:02 left" },
        { 1, 4, 250000, 1s, "25 % read, 250000 rows, 250000 rows/s, 0:03 left" },
        { 10, 1000, 7, 60s, "1 % read, 7 rows, 0 rows/s, 1:39:00 left" },
        { 0, 1000, 0, 0s, "0 % read, 0 rows" },
        { 100, 100, 42, 3s, "100 % read, 42 rows, 14 rows/s, 0:00 left" },
    };
    for (const Row &row : rows)
        EXPECT_EQ(ProgressLine::Text(row.read, row.total, row.rows, row.elapsed), row.text);
}

TEST(ProgressLine, RedrawsAtMostTenTimesASecondAndClearsAtTheEnd)
{
    std::ostringstream terminal;
    const ProgressLine::Clock::time_point start {};
    ProgressLine line(terminal, 1000, start);
    for (int ms = 10; ms <= 1000; ms += 10)
        line.update(static_cast<std::uintmax_t>(ms), static_cast<std::uintmax_t>(ms),
            start + std::chrono::milliseconds(ms));
    const std::string drawn = terminal.str();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\r'), 10);
    EXPECT_NE(
        drawn.find("\r100 % read, 1000 rows, 1000 rows/s, 0:00 left\x1b[K"), std::string::npos);
    line.finish();
    EXPECT_TRUE(terminal.str().ends_with("\x1b[K\r\x1b[K"));

    std::ostringstream quiet;
    ProgressLine never(quiet, 1000, start);
    never.update(1, 1, start + 50ms);
    never.finish();
    EXPECT_EQ(quiet.str(), "");
}

} // namespace
} // namespace kalvora::cli
