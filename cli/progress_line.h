#pragma once
// The one updating line a long batch shows on a terminal: how much of the input is read, rows
// done, rows per second and the time left, redrawn at most ten times a second and cleared at the
// end.

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace kalvora::cli {

class ProgressLine
{
public:
    using Clock = std::chrono::steady_clock;

    /// totalBytes: the size of the input file.
    ProgressLine(std::ostream &terminal, std::uintmax_t totalBytes, Clock::time_point start);
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    /// Redraws the line unless it was drawn less than a tenth of a second before now.
    void update(std::uintmax_t bytesRead, std::uintmax_t rows, Clock::time_point now);

    /// Clears the line, if one was drawn, so that what follows starts on a clean line.
    void finish();

    /// "37 % read, 120000 rows, 251000 rows/s, 0:04 left" (the time left once anything is read).
    static std::string Text(std::uintmax_t bytesRead, std::uintmax_t totalBytes,
        std::uintmax_t rows, std::chrono::duration<double> elapsed);

private:
    std::ostream &m_terminal;
    std::uintmax_t m_total;
    Clock::time_point m_start;
    Clock::time_point m_lastDrawn;
    bool m_drawn = false;
};

} // namespace kalvora::cli
