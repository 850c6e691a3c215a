#pragma once
// CSV as practitioners' spreadsheets write it, one record per line: cells separated by commas,
// a cell in double quotes may hold commas and "" for a quote. A record never spans lines, so a
// stray quote spoils one line only, never the rest of the file.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::cli {

/// The cells of a line: an unquoted cell is a view of the line, a quoted one a view of unquoted,
/// which holds it with its quotes undone until the next split into the same cells.
struct CsvCells
{
    std::vector<std::string_view> views;
    std::string unquoted;
};

/// Splits one line into cells. False, with the reason in error and the cells read up to there,
/// when a quote is not closed or a closing quote is followed by anything but a comma.
bool SplitCsvLine(std::string_view line, CsvCells &cells, std::string &error);

/// The same, each cell a text of its own.
bool SplitCsvLine(std::string_view line, std::vector<std::string> &cells, std::string &error);

/// Appends a cell (after a comma unless first), quoted when it holds a comma, quote or line end.
void AppendCsvCell(std::string &line, std::string_view cell, bool first);

/// The room the text of a number may take: the shortest round-trip form of a double fits in 24,
/// the largest double with 17 fixed decimals in 328.
inline constexpr std::size_t kCsvNumberRoom = 336;

/// Writes at to the shortest text that reads back to the same double, or with precision >= 0 the
/// value with that many decimals; nothing when it is not finite. Returns the end of what was
/// written.
char *WriteCsvNumber(char *to, double value, int precision = -1);

/// Appends what WriteCsvNumber writes.
void AppendCsvNumber(std::string &line, double value, int precision = -1);

/// Reads lines from a stream through a fixed buffer: LF or CRLF ends a line, a UTF-8 byte order
/// mark before the first line is dropped, and a line longer than maxLength is skipped to its end
/// and reported as too long, so memory stays bounded whatever the input.
class LineReader
{
public:
    LineReader(std::istream &in, std::size_t maxLength);

    /// The next line without its end; false when the input is exhausted.
    bool next(std::string &line, bool &tooLong);

    /// Like next, but appends the line to text, keeping what text already holds.
    bool appendLine(std::string &text, bool &tooLong);

    /// Bytes of the input consumed by the lines read so far.
    std::uintmax_t position() const { return m_read - (m_end - m_pos); }

private:
    bool fill();

    std::istream &m_in;
    std::size_t m_maxLength;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::uintmax_t m_read = 0; ///< bytes taken from the stream
    bool m_first = true;
};

} // namespace kalvora::cli
