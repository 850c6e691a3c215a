#include "batch_row.h"

#include "csv.h"
#include "input_options.h"
#include "point_evaluation.h"

#include <algorithm>
#include <stdexcept>

namespace kalvora::cli {

namespace {

constexpr std::string_view kPmvOutOfRange = "pmvOutOfRange";

enum class Status { Ok, Refused, Fault, Invalid };

const char *statusName(Status status)
{
    switch (status) {
    case Status::Ok: return "ok";
    case Status::Refused: return "refused";
    case Status::Fault: return "fault";
    case Status::Invalid: return "invalid";
    }
    return "";
}

std::string joined(const std::vector<std::string> &texts)
{
    std::string all;
    for (const std::string &text : texts)
        all += (all.empty() ? "" : " | ") + text;
    return all;
}

/// The result cells of an outcome, each after its comma; empty where a value does not belong.
void appendResults(const PointOutcome *outcome, std::string &out)
{
    for (const model::ResultField &field : model::resultFields()) {
        out += ',';
        if (outcome && FieldShown(field, *outcome)) {
            if (const std::optional<double> value = field.read(outcome->results))
                AppendCsvNumber(out, *value);
        }
    }
    for (const RatingField &rating : ratingFields()) {
        out += ',';
        if (outcome && RatingShown(rating, *outcome))
            out += std::to_string(outcome->results.*rating.member);
    }
    out += ',';
    if (outcome && !outcome->refused())
        out += outcome->evaluation.pmvOutOfRange ? "true" : "false";
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
                + "'; columns are M, ta, clo, va, tg, tr, tnw, rh, tw, pa, solar, posture, methods");
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

bool BatchColumns::appendRow(std::string_view line, bool tooLong, model::Language language, std::string &out) const
{
    std::vector<std::string> cells;
    std::string message;
    Status status = Status::Invalid;
    std::optional<PointOutcome> outcome;
    if (tooLong)
        message = "the line is longer than " + std::to_string(kMaxLineLength) + " bytes";
    else if (line.empty())
        message = "empty line";
    else if (!SplitCsvLine(line, cells, message))
        cells.clear();
    else if (cells.size() != m_names.size())
        message = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells") + " where the header names "
            + std::to_string(m_names.size());
    else {
        PointSpec spec;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty())
                continue;
            switch (m_columns[i].slot) {
            case Slot::Number: spec.numbers[static_cast<std::size_t>(m_columns[i].field)] = cells[i]; break;
            case Slot::Solar: spec.solar = cells[i]; break;
            case Slot::Posture: spec.posture = cells[i]; break;
            case Slot::Methods: spec.methods = cells[i]; break;
            }
        }
        try {
            outcome = EvaluatePoint(BuildInput(spec, kColumnSpelling), language);
            status = outcome->refused() ? Status::Refused : outcome->evaluation.fault ? Status::Fault : Status::Ok;
            message = joined(outcome->refused() ? outcome->refusals : outcome->messages);
        } catch (const InputError &error) {
            message = error.what();
        }
    }

    // A header always names at least one column, so the status follows a comma.
    cells.resize(m_names.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        AppendCsvCell(out, cells[i], i == 0);
    out += ',';
    out += statusName(status);
    AppendCsvCell(out, message, false);
    appendResults(outcome ? &*outcome : nullptr, out);
    out += '\n';
    return status != Status::Invalid;
}

} // namespace kalvora::cli
