#include "batch_row.h"

#include "csv.h"
#include "input_options.h"
#include "model/option_boxes.h"
#include "point_evaluation.h"
#include "printable.h"

#include <algorithm>
#include <stdexcept>

namespace kalvora::cli {

using model::Field;
using model::OptionGroup;

namespace {

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

/// The pieces of a line between its commas, quotes and all: what a line that is not valid CSV
/// held, to echo it as it was read.
void splitRaw(std::string_view line, std::vector<std::string_view> &cells)
{
    cells.clear();
    for (;;) {
        const std::size_t comma = std::min(line.find(','), line.size());
        cells.emplace_back(line.substr(0, comma));
        if (comma == line.size())
            return;
        line.remove_prefix(comma + 1);
    }
}

/// Whether the row gives one of the alternative inputs of a group (radiation or humidity).
bool anyGiven(const PointInputs &point, OptionGroup group)
{
    const std::span<const Field> boxes = model::optionBoxes(group);
    return std::any_of(boxes.begin(), boxes.end(),
        [&](Field field) { return point.numbers[static_cast<std::size_t>(field)].has_value(); });
}

} // namespace

BatchColumns::BatchColumns(std::string_view header, std::vector<ResultKey> results, int precision)
    : m_results(std::move(results))
    , m_precision(precision)
{
    std::string error;
    if (!SplitCsvLine(header, m_names, error))
        throw InputError("header line: " + error);
    for (const std::string &name : m_names) {
        if (std::count(m_names.begin(), m_names.end(), name) > 1)
            throw InputError("column " + Quoted(name) + " is named twice in the header");
        const auto numeric = std::find_if(numericInputs().begin(), numericInputs().end(),
            [&](const NumericInput &input) { return name == input.name; });
        if (numeric != numericInputs().end())
            m_columns.push_back({ Slot::Number, static_cast<int>(numeric->field) });
        else if (name == "name")
            m_columns.push_back({ Slot::Name, 0 });
        else if (name == "solar")
            m_columns.push_back({ Slot::Solar, 0 });
        else if (name == "posture")
            m_columns.push_back({ Slot::Posture, 0 });
        else if (name == "methods")
            m_columns.push_back({ Slot::Methods, 0 });
        else
            throw InputError("unknown column " + Quoted(name)
                + "; columns are name, M, ta, clo, va, tg, tr, tnw, rh, tw, pa, solar, posture, "
                  "methods");
    }
}

std::string BatchColumns::outputHeader() const
{
    std::string header;
    for (const std::string &name : m_names)
        AppendCsvCell(header, name, &name == &m_names.front());
    header += ",status,message";
    AppendResultHeader(m_results, header);
    header += '\n';
    return header;
}

bool BatchColumns::has(std::string_view name) const
{
    return std::find(m_names.begin(), m_names.end(), name) != m_names.end();
}

bool BatchColumns::takesDefault(const NumericInput &input) const
{
    // The relative humidity is not taken by default where the header names another humidity
    // input: a row that gives none of them is invalid instead.
    const bool otherHumidity = input.field == Field::HR && (has("tw") || has("pa"));
    return input.hasDefault && !otherHumidity;
}

std::string BatchColumns::absentColumnsNotice(std::string_view command) const
{
    std::string defaults;
    const auto add = [&](std::string_view name, std::string_view value) {
        if (has(name))
            return;
        defaults += defaults.empty() ? "" : ", ";
        defaults.append(name).append(" ").append(value);
    };
    for (const NumericInput &input : numericInputs())
        if (takesDefault(input))
            add(input.name, model::InputParameters::startText(input.field));
    const model::InputParameters start;
    add("solar", kSolarKeys[static_cast<std::size_t>(start.selected(OptionGroup::Radsolar))]);
    add("posture", kPostureKeys[static_cast<std::size_t>(start.selected(OptionGroup::postura))]);
    add("methods", "all");
    if (defaults.empty())
        return {};
    return "kalvora-cli: " + std::string(command)
        + ": columns absent from the header; every row takes the default of evaluate for them: "
        + defaults + "\n";
}

bool BatchColumns::needed(
    const Column &column, const PointInputs &point, const model::InputParameters &input) const
{
    switch (column.slot) {
    case Slot::Number: {
        const auto field = static_cast<Field>(column.field);
        const std::optional<OptionGroup> group = model::boxGroup(field);
        return InputUsed(input, field)
            || (group && input.groupEnabled(*group) && !anyGiven(point, *group));
    }
    case Slot::Solar:
        return input.groupEnabled(OptionGroup::Radsolar);
    case Slot::Posture:
        return input.groupEnabled(OptionGroup::postura);
    case Slot::Methods:
        return true;
    case Slot::Name:
        return false;
    }
    return true;
}

bool BatchColumns::appendRow(
    std::string_view line, bool tooLong, model::Language language, std::string &out) const
{
    BatchScratch scratch;
    return appendRow(line, tooLong, language, out, scratch);
}

bool BatchColumns::readRow(std::string_view line, bool tooLong, BatchScratch &scratch) const
{
    std::vector<std::string_view> &cells = scratch.cells.views;
    std::string &message = scratch.message;
    cells.clear();
    message.clear();
    if (tooLong) {
        message = "the line is longer than " + std::to_string(kMaxLineLength) + " bytes";
        return false;
    }
    if (line.empty()) {
        message = "empty line";
        return false;
    }
    if (!SplitCsvLine(line, scratch.cells, message)) {
        splitRaw(line, cells);
        return false;
    }
    if (cells.size() != m_names.size()) {
        message = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells")
            + " where the header names " + std::to_string(m_names.size());
        return false;
    }
    PointInputs &point = scratch.point;
    for (std::optional<std::string_view> &number : point.numbers)
        number.reset();
    point.solar.reset();
    point.posture.reset();
    point.methods.reset();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].empty())
            continue;
        switch (m_columns[i].slot) {
        case Slot::Number:
            point.numbers[static_cast<std::size_t>(m_columns[i].field)] = cells[i];
            break;
        case Slot::Solar:
            point.solar = cells[i];
            break;
        case Slot::Posture:
            point.posture = cells[i];
            break;
        case Slot::Methods:
            point.methods = cells[i];
            break;
        case Slot::Name:
            break;
        }
    }
    try {
        model::InputParameters &given = scratch.outcome.given;
        BuildInput(point, kColumnSpelling, given);
        // A measurement missing from a column the row needs is never replaced by a default.
        std::string empty;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty() && needed(m_columns[i], point, given))
                empty += (empty.empty() ? "" : ", ") + m_names[i];
        }
        if (!empty.empty())
            throw InputError(
                (empty.find(',') == std::string::npos ? "empty cell in a needed column: "
                                                      : "empty cells in needed columns: ")
                + Printable(empty));
    } catch (const InputError &error) {
        message = error.what();
        return false;
    }
    return true;
}

bool BatchColumns::appendRow(std::string_view line, bool tooLong, model::Language language,
    std::string &out, BatchScratch &scratch) const
{
    const bool evaluated = readRow(line, tooLong, scratch);
    const char *status = "invalid";
    if (evaluated) {
        EvaluateGiven(scratch.outcome, language);
        status = OutcomeStatus(scratch.outcome);
        OutcomeMessage(scratch.outcome, scratch.message);
    }

    // A header always names at least one column, so the status follows a comma.
    std::vector<std::string_view> &cells = scratch.cells.views;
    if (cells.size() == m_names.size() && plainLine(line)) {
        out.append(line);
    } else {
        cells.resize(m_names.size());
        for (std::size_t i = 0; i < cells.size(); ++i)
            AppendCsvCell(out, cells[i], i == 0);
    }
    out += ',';
    out += status;
    appendMessage(scratch, out);
    AppendResultCells(evaluated ? &scratch.outcome : nullptr, m_results, m_precision, out);
    out += '\n';
    return evaluated;
}

const char *OutcomeStatus(const PointOutcome &outcome)
{
    return outcome.refused() ? "refused" : outcome.evaluation.fault ? "fault" : "ok";
}

void OutcomeMessage(const PointOutcome &outcome, std::string &message)
{
    join(outcome.refused() ? outcome.refusals : outcome.messages, message);
}

std::optional<BatchColumns> ReadBatchHeader(LineReader &reader, std::ostream &err,
    std::string_view command, std::vector<ResultKey> results, int precision)
{
    std::string header;
    bool tooLong = false;
    if (!reader.next(header, tooLong)) {
        err << "kalvora-cli: " << command << ": the input has no header line\n";
        return std::nullopt;
    }
    try {
        if (tooLong)
            throw InputError(
                "the header line is longer than " + std::to_string(kMaxLineLength) + " bytes");
        return BatchColumns(header, std::move(results), precision);
    } catch (const InputError &error) {
        err << "kalvora-cli: " << command << ": " << error.what() << '\n';
        return std::nullopt;
    }
}

} // namespace kalvora::cli
