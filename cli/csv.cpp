#include "csv.h"

#include "display_number.h"
#include "shortest_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kalvora::cli {

bool SplitCsvLine(std::string_view line, CsvCells &split, std::string &error)
{
    std::vector<std::string_view> &cells = split.views;
    std::string &unquoted = split.unquoted;
    cells.clear();
    unquoted.clear();
    // A quoted cell is never longer than the line: the views into unquoted stay where they are.
    unquoted.reserve(line.size());
    std::size_t i = 0;
    for (;;) {
        if (i < line.size() && line[i] == '"') {
            const std::size_t start = unquoted.size();
            ++i;
            for (;;) {
                const std::size_t quote = line.find('"', i);
                if (quote == std::string_view::npos) {
                    cells.push_back(std::string_view(unquoted).substr(start));
                    error = "a quoted cell is not closed";
                    return false;
                }
                unquoted.append(line.substr(i, quote - i));
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    unquoted += '"';
                    ++i;
                    continue;
                }
                break;
            }
            cells.push_back(std::string_view(unquoted).substr(start));
            if (i < line.size() && line[i] != ',') {
                error = "text follows a closing quote";
                return false;
            }
        } else {
            // Cells are short: a plain scan beats a library search call per cell.
            const std::size_t comma = static_cast<std::size_t>(
                std::find(line.begin() + i, line.end(), ',') - line.begin());
            cells.push_back(line.substr(i, comma - i));
            i = comma;
        }
        if (i >= line.size())
            return true;
        ++i; // the comma
    }
}

bool SplitCsvLine(std::string_view line, std::vector<std::string> &cells, std::string &error)
{
    CsvCells split;
    const bool whole = SplitCsvLine(line, split, error);
    cells.assign(split.views.begin(), split.views.end());
    return whole;
}

namespace {

bool special(char c)
{
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

/// Below 100000 in magnitude, the shortest form of a whole number is its decimal digits; above,
/// the exponent form can be shorter (1e+05).
constexpr double kPlainWholeLimit = 100000;

} // namespace

void AppendCsvCell(std::string &line, std::string_view cell, bool first)
{
    if (!first)
        line += ',';
    if (std::none_of(cell.begin(), cell.end(), special)) {
        line.append(cell);
        return;
    }
    line += '"';
    for (;;) {
        const std::size_t quote = cell.find('"');
        if (quote == std::string_view::npos)
            break;
        line.append(cell.substr(0, quote + 1)).push_back('"');
        cell.remove_prefix(quote + 1);
    }
    line.append(cell).push_back('"');
}

static_assert(kCsvNumberRoom >= kShortestRoom);

char *WriteCsvNumber(char *to, double value, int precision)
{
    if (!std::isfinite(value))
        return to;
    if (precision >= 0)
        return WriteFixedNumber(to, value, precision);
    const int whole = std::abs(value) < kPlainWholeLimit ? static_cast<int>(value) : 0;
    // Negative zero keeps its sign, which the integer would lose.
    const bool plainWhole
        = static_cast<double>(whole) == value && !(whole == 0 && std::signbit(value));
    return plainWhole ? std::to_chars(to, to + kCsvNumberRoom, whole).ptr
                      : WriteShortestNumber(to, value);
}

void AppendCsvNumber(std::string &line, double value, int precision)
{
    char text[kCsvNumberRoom];
    line.append(text, static_cast<std::size_t>(WriteCsvNumber(text, value, precision) - text));
}

LineReader::LineReader(std::istream &in, std::size_t maxLength)
    : m_in(in)
    , m_maxLength(maxLength)
    , m_buffer(std::size_t { 64 } * 1024)
{
}

bool LineReader::fill()
{
    if (!m_in)
        return false;
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_pos = 0;
    m_end = static_cast<std::size_t>(m_in.gcount());
    m_read += m_end;
    return m_end > 0;
}

bool LineReader::next(std::string &line, bool &tooLong)
{
    line.clear();
    return appendLine(line, tooLong);
}

bool LineReader::appendLine(std::string &text, bool &tooLong)
{
    const std::size_t start = text.size();
    tooLong = false;
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !fill()) {
            if (!any)
                return false;
            break;
        }
        any = true;
        const char *chunk = m_buffer.data() + m_pos;
        const auto *newline = static_cast<const char *>(std::memchr(chunk, '\n', m_end - m_pos));
        const std::size_t length
            = newline ? static_cast<std::size_t>(newline - chunk) : m_end - m_pos;
        if (!tooLong) {
            if (text.size() - start + length > m_maxLength) {
                tooLong = true;
                text.resize(start);
            } else {
                text.append(chunk, length);
            }
        }
        m_pos += length;
        if (newline) {
            ++m_pos;
            break;
        }
    }
    if (text.size() > start && text.back() == '\r')
        text.pop_back();
    if (m_first && std::string_view(text).substr(start).starts_with("\xEF\xBB\xBF"))
        text.erase(start, 3);
    m_first = false;
    return true;
}

} // namespace kalvora::cli
