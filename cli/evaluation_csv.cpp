#include "evaluation_csv.h"

#include "csv.h"
#include "input_options.h"

namespace kalvora::cli {

using model::OptionGroup;

std::string EvaluationCsv(
    const PointOutcome &outcome, std::span<const ResultKey> keys, int precision)
{
    const model::InputParameters &input = outcome.given;
    std::string header;
    std::string row;
    const auto cell = [&](std::string_view name, std::string_view value) {
        AppendCsvCell(header, name, header.empty());
        AppendCsvCell(row, value, row.empty());
    };
    for (const NumericInput &option : numericInputs()) {
        if (InputUsed(input, option.field))
            cell(option.name, input.text(option.field));
    }
    if (input.groupEnabled(OptionGroup::Radsolar))
        cell("solar", kSolarKeys[static_cast<std::size_t>(input.selected(OptionGroup::Radsolar))]);
    if (input.groupEnabled(OptionGroup::postura))
        cell("posture",
            kPostureKeys[static_cast<std::size_t>(input.selected(OptionGroup::postura))]);
    std::string methods;
    for (const model::Method method : model::kAllMethods) {
        if (!input.method(method))
            continue;
        if (!methods.empty())
            methods += ';';
        methods += methodKey(method);
    }
    cell("methods", methods);
    std::string message;
    for (const std::string &text : outcome.messages)
        message += (message.empty() ? "" : " | ") + text;
    cell("status", outcome.evaluation.fault ? "fault" : "ok");
    cell("message", message);
    AppendResultHeader(keys, header);
    AppendResultCells(&outcome, keys, precision, row);
    return header + '\n' + row + '\n';
}

} // namespace kalvora::cli
