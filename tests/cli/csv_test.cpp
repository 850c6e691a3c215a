#include "cli/batch_row.h"
#include "cli/csv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <utility>

namespace kalvora::cli {
namespace {

using namespace std::string_literals;

TEST(SplitCsvLine, ReadsPlainAndQuotedCells)
{
    struct Row
    {
        const char *line;
        std::vector<std::string> cells; ///< empty when the line is refused
    };
    const Row rows[] = {
        { "a,b,c", { "a", "b", "c" } },
        { "", { "" } },
        { ",", { "", "" } },
        { "a,,c,", { "a", "", "c", "" } },
        { "\"a,b\",c", { "a,b", "c" } },
        { "\"say \"\"hi\"\"\",x", { "say \"hi\"", "x" } },
        { "\"a,b\",\"c\"\"d\",e,\"f\"", { "a,b", "c\"d", "e", "f" } },
        { "\"\"", { "" } },
        { "a\"b,c", { "a\"b", "c" } },
        { "\"open,c", {} },
        { "\"a\"b,c", {} },
        { "x,\"", {} },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        std::vector<std::string> cells;
        std::string error;
        const bool ok = SplitCsvLine(row.line, cells, error);
        EXPECT_EQ(ok, !row.cells.empty()) << error;
        if (ok) {
            EXPECT_EQ(cells, row.cells);
        }
    }
}

TEST(AppendCsvCell, QuotesOnlyWhatNeedsIt)
{
    std::string line;
    AppendCsvCell(line, "plain", true);
    AppendCsvCell(line, "a,b", false);
    AppendCsvCell(line, "say \"hi\"", false);
    AppendCsvCell(line, "", false);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",");
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(SplitCsvLine(line, cells, error));
    EXPECT_EQ(cells, (std::vector<std::string> { "plain", "a,b", "say \"hi\"", "" }));
}

std::vector<std::string> readLines(
    const std::string &text, std::size_t maxLength, std::vector<bool> *tooLong = nullptr)
{
    std::istringstream in(text);
    LineReader reader(in, maxLength);
    std::vector<std::string> lines;
    std::string line;
    bool overlong = false;
    while (reader.next(line, overlong)) {
        lines.push_back(line);
        if (tooLong)
            tooLong->push_back(overlong);
    }
    return lines;
}

TEST(LineReader, SplitsLinesAsTyped)
{
    struct Row
    {
        const char *name;
        std::string text;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        { "empty input", "", {} },
        { "one blank line", "\n", { "" } },
        { "no final newline", "a\nb", { "a", "b" } },
        { "final newline", "a\nb\n", { "a", "b" } },
        { "blank lines kept", "a\n\n\nb\n", { "a", "", "", "b" } },
        { "CRLF", "a\r\nb\r\n\r\n", { "a", "b", "" } },
        { "BOM dropped before the first line only", "\xEF\xBB\xBFM\n\xEF\xBB\xBFx\n",
            { "M", "\xEF\xBB\xBFx" } },
        { "CR inside a line kept", "a\rb\n", { "a\rb" } },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readLines(row.text, 100, nullptr), row.lines);
    }
}

TEST(LineReader, SkipsAnOverlongLineAcrossBufferRefills)
{
    const std::string longLine(200000, 'x');
    std::vector<bool> tooLong;
    const std::vector<std::string> lines = readLines("a\n" + longLine + "\nb\n", 1000, &tooLong);
    EXPECT_EQ(lines, (std::vector<std::string> { "a", "", "b" }));
    EXPECT_EQ(tooLong, (std::vector<bool> { false, true, false }));
}

TEST(WriteCsvNumber, WritesWhatToCharsWritesForEveryKindOfValue)
{
    const auto expectToChars = [](double value) {
        std::array<char, kCsvNumberRoom> expected {};
        const auto end
            = std::to_chars(expected.data(), expected.data() + expected.size(), value).ptr;
        std::array<char, kCsvNumberRoom> written {};
        const char *const stop = WriteCsvNumber(written.data(), value);
        EXPECT_EQ(
            std::string(std::as_const(written).data(), stop), std::string(expected.data(), end));
    };
    // Whole numbers take a faster road; the text must stay that of the shortest round-trip form,
    // including where that form switches to an exponent and for negative zero.
    constexpr double kValues[] = { 0.0, -0.0, 1.0, -1.0, 99999.0, -99999.0, 100000.0, -100000.0,
        200000.0, 1e15, 1e16, 0.5, -2.5, 0.1, 21.579254981433962, 123456.789, 1e-300, 5e-324,
        std::numeric_limits<double>::max(), -std::numeric_limits<double>::max() };
    for (const double value : kValues)
        expectToChars(value);
    // Significands of every length from 1 to 17 digits, with zeros inside, in both notations:
    // the digits are laid out in blocks of eight, and a block may start with zeros.
    const std::string digits = "10203040506070809";
    for (std::size_t count = 1; count <= digits.size(); ++count) {
        for (const char *exponent : { "e-7", "e-3", "e0", "e5", "e20" })
            expectToChars(std::stod(digits.substr(0, count) + exponent));
    }
    // Random bit patterns cover every exponent, and so both notations and their boundary.
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            expectToChars(value);
    }
    for (const double value : { std::nan(""), std::numeric_limits<double>::infinity() }) {
        std::array<char, kCsvNumberRoom> written {};
        EXPECT_EQ(WriteCsvNumber(written.data(), value), written.data());
    }
}

// The batch writes its numbers through its own layout of fmt's shortest digits; the library's
// to_chars, which rounds the exact binary value, is the reference for every kind of value.
TEST(WriteCsvNumber, FixedDecimalsAsToCharsRoundsTheExactValue)
{
    struct Row
    {
        double value;
        int decimals;
    };
    const Row rows[] = {
        { 1.005, 2 }, // 1.00499999999999989…: down, though its shortest digits end in 5
        { 1.015, 2 }, // 1.01499999999999990…: down
        { 0.125, 2 }, // an exact tie: to even
        { 0.375, 2 },
        { 2.5, 0 },
        { -0.001, 2 },
        { 0.0049999999999999999, 2 },
        { 21.579254981433962, 17 },
        { 1e15 + 0.5, 3 }, // beyond the digits' reach: the library's road
        { 123456.789, 0 },
        { 5e-324, 5 },
        { std::numeric_limits<double>::max(), 2 },
    };
    const auto check = [](double value, int decimals) {
        std::array<char, kCsvNumberRoom> expected {};
        const auto end = std::to_chars(expected.data(), expected.data() + expected.size(), value,
            std::chars_format::fixed, decimals)
                             .ptr;
        std::array<char, kCsvNumberRoom> written {};
        const char *const stop = WriteCsvNumber(written.data(), value, decimals);
        std::string reference(expected.data(), end);
        // Zero is written without a sign, where to_chars keeps the sign of a negative value.
        if (reference.find_first_not_of("-0.") == std::string::npos && reference[0] == '-')
            reference.erase(0, 1);
        return std::string(std::as_const(written).data(), stop) == reference;
    };
    for (const Row &row : rows)
        EXPECT_TRUE(check(row.value, row.decimals)) << row.value << " with " << row.decimals;
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> spread(-2000, 2000);
    for (int i = 0; i < 20000; ++i) {
        const double value = spread(random) * std::pow(10.0, i % 13 - 6);
        // Values on a grid of half hundredths meet ties of the second decimal.
        const double grid = std::round(spread(random) * 200) / 200;
        EXPECT_TRUE(check(value, i % 18)) << value << " with " << i % 18;
        EXPECT_TRUE(check(grid, 2)) << grid;
    }
}

TEST(BatchScratch, ReusedAcrossRowsWritesWhatAFreshRowWrites)
{
    // One worker keeps its scratch from row to row: nothing of a row (message, cells, results of
    // methods that ran) may leak into the next.
    const BatchColumns columns("M,ta,tg,tnw,pa,methods");
    constexpr const char *kRows[] = {
        "85,5,5,4,,all", // PMV out of range: a message
        "85,18,20,16,,wci", // no message, one method
        "85,18,17,16,,pmv", // refused by the globe rule
        "85,18,20,16,5.6,hsi", // arithmetic fault
        "85,abc,20,16,,all", // invalid cell
        "", // blank line
        "85,18,20,16,,all", // every method, no message
        "85,5,5,4,,pmv;wbgt", // the first message again
    };
    for (const model::Language language : { model::Language::Spanish, model::Language::English }) {
        BatchScratch scratch;
        for (const char *row : kRows) {
            SCOPED_TRACE(testing::Message() << "row '" << row << "'");
            std::string reused;
            std::string fresh;
            EXPECT_EQ(columns.appendRow(row, false, language, reused, scratch),
                columns.appendRow(row, false, language, fresh));
            EXPECT_EQ(reused, fresh);
        }
    }
}

// Random bytes through the reader, the cell splitter and the row evaluation: every line gives
// exactly one output line, whatever it holds. Run under the sanitizers this also checks memory.
TEST(CsvFuzz, RandomBytesNeverBreakTheReader)
{
    const BatchColumns columns("M,ta,clo,va,tg,tr,tnw,rh,solar,posture,methods");
    // The NUL byte and 0xFF belong to the alphabet: the literal is read with its full length.
    const std::string alphabet = "0123456789.,-+eE\"\r\n ;|abcpmvwci\xEF\xBB\xBF\x00\xff"s;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        std::string bytes(random() % 200, '\0');
        for (char &byte : bytes)
            byte = seed % 3 == 0 ? static_cast<char>(random() % 256)
                                 : alphabet[random() % alphabet.size()];
        SCOPED_TRACE(seed);
        std::istringstream in(bytes);
        LineReader reader(in, 64);
        std::string line;
        bool tooLong = false;
        std::size_t lines = 0;
        std::string out;
        while (reader.next(line, tooLong)) {
            ++lines;
            columns.appendRow(line, tooLong, model::Language::English, out);
            std::vector<std::string> cells;
            std::string error;
            SplitCsvLine(line, cells, error);
            EXPECT_FALSE(cells.empty());
        }
        const std::size_t expected
            = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'))
            + (bytes.empty() || bytes.back() == '\n' ? 0 : 1);
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')), lines);
    }
}

} // namespace
} // namespace kalvora::cli
