#pragma once
// One line of a batch: its cells read into a measurement point, evaluated, written as output.

#include "csv.h"
#include "input_options.h"
#include "model/language.h"
#include "point_evaluation.h"
#include "result_columns.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::cli {

/// The longest input line a batch reads; a longer one is an invalid row.
inline constexpr std::size_t kMaxLineLength = std::size_t { 64 } * 1024;

/// What evaluating a row needs besides the row itself, kept from row to row by one thread so that
/// a row allocates nothing.
struct BatchScratch
{
    CsvCells cells; ///< of the line being read
    std::string message;
    PointInputs point;
    PointOutcome outcome;
    std::string lastMessage; ///< the last message written, and its cell with the comma before it
    std::string lastMessageCell = ",";
};

class BatchColumns
{
public:
    /// The columns a header line names, and the result keys and number precision of the output.
    /// Throws InputError for an unknown or repeated name or a header that is not a CSV line.
    explicit BatchColumns(std::string_view header,
        std::vector<ResultKey> results = SelectResultKeys(std::nullopt), int precision = kShortest);

    /// The output header: the input columns as given, status, message, the result keys.
    std::string outputHeader() const;

    /// The names of the header, in order.
    const std::vector<std::string> &names() const { return m_names; }
    bool has(std::string_view name) const;

    /// Whether an input the header does not name takes its start text in every row: not the
    /// inputs that are given only to choose them (tr, tw, pa), nor rh where tw or pa is named.
    bool takesDefault(const NumericInput &input) const;

    /// The inputs the header does not name and the defaults every row takes for them, as one
    /// line for standard error from command; empty when the header names them all.
    std::string absentColumnsNotice(std::string_view command = "batch") const;

    /// Reads one input line into scratch: its cells as read and the input set of the point in
    /// scratch.outcome.given. False for an invalid row, the reason in scratch.message.
    bool readRow(std::string_view line, bool tooLong, BatchScratch &scratch) const;

    /// Appends the output line of one input line; returns false when the row is invalid.
    bool appendRow(
        std::string_view line, bool tooLong, model::Language language, std::string &out) const;
    bool appendRow(std::string_view line, bool tooLong, model::Language language, std::string &out,
        BatchScratch &scratch) const;

private:
    enum class Slot { Number, Solar, Posture, Methods, Name };
    struct Column
    {
        Slot slot;
        int field; ///< the model::Field of a Number column
    };

    bool needed(
        const Column &column, const PointInputs &point, const model::InputParameters &input) const;

    std::vector<std::string> m_names;
    std::vector<Column> m_columns;
    std::vector<ResultKey> m_results;
    int m_precision;
};

/// The status of an evaluated point as a batch line writes it: ok, refused or fault.
const char *OutcomeStatus(const PointOutcome &outcome);

/// Its message: the refusal texts, or the messages the desktop shows, joined by " | ".
void OutcomeMessage(const PointOutcome &outcome, std::string &message);

class LineReader;

/// Reads the header line of a batch input file and the columns it names. When the input has no
/// header, the header is too long or names an unknown or repeated column, the reason goes to err
/// under the command's name and the result is empty (a usage error, status 2).
std::optional<BatchColumns> ReadBatchHeader(LineReader &reader, std::ostream &err,
    std::string_view command, std::vector<ResultKey> results = SelectResultKeys(std::nullopt),
    int precision = kShortest);

} // namespace kalvora::cli
