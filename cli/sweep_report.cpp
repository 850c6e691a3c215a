#include "sweep_report.h"

#include "csv.h"
#include "display_number.h"
#include "evaluation_json.h"
#include "input_options.h"
#include "model/caption.h"
#include "model/presentation/sweep_cells.h"
#include "model/presentation/unlimited_exposure.h"
#include "printable.h"

#include <algorithm>
#include <iomanip>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

namespace kalvora::cli {

using model::Method;
using model::SweepQuantity;
using model::SweepRow;
using model::SweepValue;

namespace {

/// The sweep's keys, in their order, as a list for a message.
std::string keyList()
{
    std::string list;
    for (const SweepQuantity &quantity : model::sweepQuantities()) {
        if (quantity.key)
            list += (list.empty() ? "" : ", ") + std::string(quantity.key);
    }
    return list;
}

/// The named columns in the list's order, a repeated name once; throws InputError for a name
/// that is no column.
std::vector<const SweepQuantity *> namedColumns(std::string_view list)
{
    const auto quantities = model::sweepQuantities();
    std::vector<const SweepQuantity *> columns;
    for (;;) {
        const std::size_t comma = std::min(list.find(','), list.size());
        const std::string_view name = list.substr(0, comma);
        const auto found = std::find_if(quantities.begin(), quantities.end(),
            [&](const SweepQuantity &quantity) { return quantity.key && quantity.key == name; });
        if (found == quantities.end())
            throw InputError(
                "--columns: unknown sweep key " + Quoted(name) + "; sweep keys are " + keyList());
        if (std::find(columns.begin(), columns.end(), &*found) == columns.end())
            columns.push_back(&*found);
        if (comma == list.size())
            return columns;
        list.remove_prefix(comma + 1);
    }
}

/// The columns shown: those named, or every column in order; either way only those of the
/// methods that take part besides the velocities and the code.
std::vector<const SweepQuantity *> columnsOf(const model::Sweep &sweep, const SweepOutput &output)
{
    std::vector<const SweepQuantity *> candidates;
    if (output.columns) {
        candidates = namedColumns(*output.columns);
    } else {
        for (const SweepQuantity &quantity : model::sweepQuantities())
            if (quantity.key)
                candidates.push_back(&quantity);
    }
    std::erase_if(candidates, [&](const SweepQuantity *column) {
        return column->method && !sweep.methods[static_cast<std::size_t>(*column->method)];
    });
    return candidates;
}

/// The chosen precision applies to the computed values; the velocities of the sweep stay exact.
int decimals(const SweepQuantity &column, const SweepOutput &output)
{
    return column.kind == SweepValue::Quantity ? output.precision : kShortest;
}

} // namespace

void CheckSweepColumns(const std::optional<std::string> &list)
{
    if (list)
        namedColumns(*list);
}

nlohmann::ordered_json SweepJson(const model::Sweep &sweep, const SweepOutput &output)
{
    using nlohmann::ordered_json;
    ordered_json methods = ordered_json::array();
    for (const Method method : model::kAllMethods) {
        if (sweep.methods[static_cast<std::size_t>(method)])
            methods.push_back(methodKey(method));
    }
    const std::vector<const SweepQuantity *> columns = columnsOf(sweep, output);
    ordered_json rows = ordered_json::array();
    for (const SweepRow &row : sweep.rows) {
        ordered_json json = ordered_json::object();
        for (const SweepQuantity *column : columns) {
            const std::optional<double> value = column->read(row);
            if (column->kind == SweepValue::Rating)
                json[column->key] = static_cast<int>(*value);
            else
                json[column->key] = JsonNumber(value, decimals(*column, output));
        }
        rows.push_back(std::move(json));
    }
    return ordered_json { { "methods", std::move(methods) }, { "rows", std::move(rows) } };
}

std::string SweepCsv(const model::Sweep &sweep, const SweepOutput &output)
{
    const std::vector<const SweepQuantity *> columns = columnsOf(sweep, output);
    std::string csv;
    for (const SweepQuantity *column : columns)
        AppendCsvCell(csv, column->key, column == columns.front());
    csv += '\n';
    for (const SweepRow &row : sweep.rows) {
        for (const SweepQuantity *column : columns) {
            if (column != columns.front())
                csv += ',';
            const std::optional<double> value = column->read(row);
            if (value)
                AppendCsvNumber(csv, *value, decimals(*column, output));
        }
        csv += '\n';
    }
    return csv;
}

std::string SweepText(
    const model::Sweep &sweep, model::Language language, const SweepOutput &output)
{
    const std::vector<const SweepQuantity *> columns = columnsOf(sweep, output);
    // The table's numbers in the common pattern, or with the chosen decimals.
    const std::optional<int> decimals
        = output.precision == kShortest ? std::nullopt : std::optional(output.precision);
    constexpr int kWidth = 10;
    std::ostringstream out;
    for (const SweepQuantity *column : columns)
        out << std::setw(kWidth) << column->key;
    out << '\n';
    for (const SweepRow &row : sweep.rows) {
        for (const SweepQuantity *column : columns) {
            const std::optional<double> value = column->read(row);
            std::string cell;
            if (!value || model::sweepExposureUnlimited(*column, row))
                cell = inLanguage(unlimitedExposure(model::UnlimitedExposure::Sweep), language);
            else if (column->kind == SweepValue::Velocity)
                cell = PatternNumber(*value, model::NumberPattern::General);
            else if (column->kind == SweepValue::Rating)
                cell = std::to_string(static_cast<int>(*value));
            else
                cell = PatternNumber(*value, model::NumberPattern::Grouped2, decimals);
            out << std::setw(kWidth) << cell;
        }
        out << '\n';
    }
    return out.str();
}

} // namespace kalvora::cli
