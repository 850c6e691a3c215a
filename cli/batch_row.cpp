#include "batch_row.h"

#include "csv.h"
#include "input_options.h"
#include "point_evaluation.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace kalvora::cli {

namespace {

constexpr std::string_view kPmvOutOfRange = "pmvOutOfRange";

enum class Status { Ok, Refused, Fault, Invalid };

const char *statusName(Status status)
{
    switch (status) {
    case Status::Ok:
        return "ok";
    case Status::Refused:
        return "refused";
    case Status::Fault:
        return "fault";
    case Status::Invalid:
        return "invalid";
    }
    return "";
}

void join(const std::vector<std::string> &texts, std::string &all)
{
    all.clear();
    for (const std::string &text : texts) {
        if (!all.empty())
            all += " | ";
        all += text;
    }
}

/// The message cell after its comma. Rows tend to repeat one message, so its quoted form is kept.
void appendMessage(BatchScratch &scratch, std::string &out)
{
    if (scratch.message != scratch.lastMessage) {
        scratch.lastMessage = scratch.message;
        scratch.lastMessageCell.clear();
        AppendCsvCell(scratch.lastMessageCell, scratch.message, false);
    }
    out += scratch.lastMessageCell;
}

/// A line without quotes or carriage returns reads into cells that are written back as they are.
bool plainLine(std::string_view line)
{
    return std::none_of(line.begin(), line.end(), [](char c) { return c == '"' || c == '\r'; });
}

/// Collects short pieces of a line in a fixed buffer and appends them to the line in blocks.
class CellBuffer
{
public:
    explicit CellBuffer(std::string &out)
        : m_out(out)
    {
    }
    CellBuffer(const CellBuffer &) = delete;
    CellBuffer &operator=(const CellBuffer &) = delete;
    ~CellBuffer() { flush(); }

    /// Room for a comma and a number; the pointer to write them at.
    char *room()
    {
        if (static_cast<std::size_t>(std::end(m_text) - m_at) < kCsvNumberRoom + 1)
            flush();
        return m_at;
    }
    void advance(char *to) { m_at = to; }
    void append(std::string_view text)
    {
        flush();
        m_out.append(text);
    }

private:
    void flush()
    {
        m_out.append(m_text, static_cast<std::size_t>(m_at - m_text));
        m_at = m_text;
    }

    std::string &m_out;
    char m_text[2048];
    char *m_at = m_text;
};

/// The result cells of an outcome, each after its comma; empty where a value does not belong.
void appendResults(const PointOutcome *outcome, std::string &out)
{
    CellBuffer cells(out);
    const std::optional<ShownFields> shown
        = outcome ? std::optional<ShownFields>(*outcome) : std::nullopt;
    for (const model::ResultField &field : model::resultFields()) {
        char *at = cells.room();
        *at++ = ',';
        if (shown && (*shown)(field)) {
            if (const std::optional<double> value = field.read(outcome->results))
                at = WriteCsvNumber(at, *value);
        }
        cells.advance(at);
    }
    for (const RatingField &rating : ratingFields()) {
        char *at = cells.room();
        *at++ = ',';
        if (outcome && RatingShown(rating, *outcome))
            at = std::to_chars(at, at + kCsvNumberRoom, outcome->results.*rating.member).ptr;
        cells.advance(at);
    }
    cells.append(",");
    if (outcome && !outcome->refused())
        cells.append(outcome->evaluation.pmvOutOfRange ? "true" : "false");
}

} // namespace

BatchColumns::BatchColumns(std::string_view header)
{
    std::string error;
    if (!SplitCsvLine(header, m_names, error))
        throw InputError("header line: " + error);
    for (const std::string &name : m_names) {
        if (std::count(m_names.begin(), m_names.end(), name) > 1)
            throw InputError("column '" + name + "' is named twice in the header");
        const auto numeric = std::find_if(numericInputs().begin(), numericInputs().end(),
            [&](const NumericInput &input) { return name == input.name; });
        if (numeric != numericInputs().end())
            m_columns.push_back({ Slot::Number, static_cast<int>(numeric->field) });
        else if (name == "solar")
            m_columns.push_back({ Slot::Solar, 0 });
        else if (name == "posture")
            m_columns.push_back({ Slot::Posture, 0 });
        else if (name == "methods")
            m_columns.push_back({ Slot::Methods, 0 });
        else
            throw InputError("unknown column '" + name
                + "'; columns are M, ta, clo, va, tg, tr, tnw, rh, tw, pa, solar, posture, "
                  "methods");
    }
}

std::string BatchColumns::outputHeader() const
{
    std::string header;
    for (const std::string &name : m_names)
        AppendCsvCell(header, name, &name == &m_names.front());
    header += ",status,message";
    for (const model::ResultField &field : model::resultFields())
        header.append(",").append(field.name);
    for (const RatingField &rating : ratingFields())
        header.append(",").append(rating.name);
    header.append(",").append(kPmvOutOfRange);
    header += '\n';
    return header;
}

bool BatchColumns::appendRow(
    std::string_view line, bool tooLong, model::Language language, std::string &out) const
{
    BatchScratch scratch;
    return appendRow(line, tooLong, language, out, scratch);
}

bool BatchColumns::appendRow(std::string_view line, bool tooLong, model::Language language,
    std::string &out, BatchScratch &scratch) const
{
    std::vector<std::string> &cells = scratch.cells;
    std::string &message = scratch.message;
    cells.clear();
    message.clear();
    Status status = Status::Invalid;
    bool evaluated = false;
    if (tooLong)
        message = "the line is longer than " + std::to_string(kMaxLineLength) + " bytes";
    else if (line.empty())
        message = "empty line";
    else if (!SplitCsvLine(line, cells, message))
        cells.clear();
    else if (cells.size() != m_names.size())
        message = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells")
            + " where the header names " + std::to_string(m_names.size());
    else {
        PointSpec &spec = scratch.spec;
        for (std::optional<std::string> &number : spec.numbers)
            number.reset();
        spec.solar.reset();
        spec.posture.reset();
        spec.methods.reset();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty())
                continue;
            switch (m_columns[i].slot) {
            case Slot::Number:
                spec.numbers[static_cast<std::size_t>(m_columns[i].field)] = cells[i];
                break;
            case Slot::Solar:
                spec.solar = cells[i];
                break;
            case Slot::Posture:
                spec.posture = cells[i];
                break;
            case Slot::Methods:
                spec.methods = cells[i];
                break;
            }
        }
        try {
            PointOutcome &outcome = scratch.outcome;
            outcome.given = BuildInput(spec, kColumnSpelling);
            EvaluateGiven(outcome, language);
            evaluated = true;
            status = outcome.refused()     ? Status::Refused
                : outcome.evaluation.fault ? Status::Fault
                                           : Status::Ok;
            join(outcome.refused() ? outcome.refusals : outcome.messages, message);
        } catch (const InputError &error) {
            message = error.what();
        }
    }

    // A header always names at least one column, so the status follows a comma.
    if (cells.size() == m_names.size() && plainLine(line)) {
        out.append(line);
    } else {
        cells.resize(m_names.size());
        for (std::size_t i = 0; i < cells.size(); ++i)
            AppendCsvCell(out, cells[i], i == 0);
    }
    out += ',';
    out += statusName(status);
    appendMessage(scratch, out);
    appendResults(evaluated ? &scratch.outcome : nullptr, out);
    out += '\n';
    return status != Status::Invalid;
}

} // namespace kalvora::cli
