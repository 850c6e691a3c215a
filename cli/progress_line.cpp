#include "progress_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kalvora::cli {

namespace {

constexpr std::chrono::milliseconds kRedrawInterval { 100 };

/// "m:ss", or "h:mm:ss" from an hour on.
std::string clockTime(double seconds)
{
    const auto whole = static_cast<long long>(std::ceil(std::max(0.0, seconds)));
    char text[32];
    if (whole >= 3600)
        std::snprintf(
            text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

} // namespace

ProgressLine::ProgressLine(
    std::ostream &terminal, std::uintmax_t totalBytes, Clock::time_point start)
    : m_terminal(terminal)
    , m_total(totalBytes)
    , m_start(start)
    , m_lastDrawn(start)
{
}

std::string ProgressLine::Text(std::uintmax_t bytesRead, std::uintmax_t totalBytes,
    std::uintmax_t rows, std::chrono::duration<double> elapsed)
{
    const double seconds = elapsed.count();
    const double share
        = totalBytes > 0 ? std::min(1.0, static_cast<double>(bytesRead) / totalBytes) : 1.0;
    std::string text = std::to_string(static_cast<int>(share * 100)) + " % read, "
        + std::to_string(rows) + " rows";
    if (seconds > 0)
        text
            += ", " + std::to_string(std::llround(static_cast<double>(rows) / seconds)) + " rows/s";
    if (bytesRead > 0 && seconds > 0)
        text += ", " + clockTime(seconds * (1 - share) / share) + " left";
    return text;
}

void ProgressLine::update(std::uintmax_t bytesRead, std::uintmax_t rows, Clock::time_point now)
{
    if (now - m_lastDrawn < kRedrawInterval)
        return;
    m_lastDrawn = now;
    m_drawn = true;
    // Carriage return to the line's start, the text, then erase whatever a longer text left.
    m_terminal << '\r' << Text(bytesRead, m_total, rows, now - m_start) << "\x1b[K" << std::flush;
}

void ProgressLine::finish()
{
    if (m_drawn)
        m_terminal << "\r\x1b[K" << std::flush;
    m_drawn = false;
}

} // namespace kalvora::cli
