#include "csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kalvora::cli {

bool SplitCsvLine(std::string_view line, std::vector<std::string> &cells, std::string &error)
{
    cells.clear();
    std::size_t i = 0;
    for (;;) {
        std::string &cell = cells.emplace_back();
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                const std::size_t quote = line.find('"', i);
                if (quote == std::string_view::npos) {
                    error = "a quoted cell is not closed";
                    return false;
                }
                cell.append(line.substr(i, quote - i));
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    cell += '"';
                    ++i;
                    continue;
                }
                break;
            }
            if (i < line.size() && line[i] != ',') {
                error = "text follows a closing quote";
                return false;
            }
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            cell.assign(line.substr(i, comma - i));
            i = comma;
        }
        if (i >= line.size())
            return true;
        ++i; // the comma
    }
}

void AppendCsvCell(std::string &line, std::string_view cell, bool first)
{
    if (!first)
        line += ',';
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(cell.begin(), cell.end(), special)) {
        line.append(cell);
        return;
    }
    line += '"';
    for (char c : cell) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

void AppendCsvNumber(std::string &line, double value)
{
    if (!std::isfinite(value))
        return;
    // Written in place: the shortest round-trip form of a double fits in 24 characters.
    constexpr std::size_t kRoom = 32;
    const std::size_t start = line.size();
    line.resize(start + kRoom);
    const auto result = std::to_chars(line.data() + start, line.data() + line.size(), value);
    line.resize(static_cast<std::size_t>(result.ptr - line.data()));
}

LineReader::LineReader(std::istream &in, std::size_t maxLength)
    : m_in(in)
    , m_maxLength(maxLength)
    , m_buffer(64 * 1024)
{
}

bool LineReader::fill()
{
    if (!m_in)
        return false;
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_pos = 0;
    m_end = static_cast<std::size_t>(m_in.gcount());
    return m_end > 0;
}

bool LineReader::next(std::string &line, bool &tooLong)
{
    line.clear();
    tooLong = false;
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !fill()) {
            if (!any)
                return false;
            break;
        }
        any = true;
        const char *start = m_buffer.data() + m_pos;
        const auto *newline = static_cast<const char *>(std::memchr(start, '\n', m_end - m_pos));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : m_end - m_pos;
        if (!tooLong) {
            if (line.size() + length > m_maxLength) {
                tooLong = true;
                line.clear();
            } else {
                line.append(start, length);
            }
        }
        m_pos += length;
        if (newline) {
            ++m_pos;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (m_first && line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    m_first = false;
    return true;
}

} // namespace kalvora::cli
