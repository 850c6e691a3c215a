#pragma once
// One line of a batch: its cells read into a measurement point, evaluated, written as output.

#include "input_options.h"
#include "model/language.h"
#include "point_evaluation.h"
#include "result_columns.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::cli {

/// The longest input line a batch reads; a longer one is an invalid row.
inline constexpr std::size_t kMaxLineLength = 64 * 1024;

/// What evaluating a row needs besides the row itself, kept from row to row by one thread so that
/// a row allocates nothing.
struct BatchScratch
{
    std::vector<std::string> cells;
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

    /// The inputs the header does not name and the defaults every row takes for them, as one
    /// line for standard error; empty when the header names them all.
    std::string absentColumnsNotice() const;

    /// Appends the output line of one input line; returns false when the row is invalid.
    bool appendRow(
        std::string_view line, bool tooLong, model::Language language, std::string &out) const;
    bool appendRow(std::string_view line, bool tooLong, model::Language language, std::string &out,
        BatchScratch &scratch) const;

private:
    enum class Slot { Number, Solar, Posture, Methods };
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

} // namespace kalvora::cli
