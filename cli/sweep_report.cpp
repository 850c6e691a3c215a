#include "sweep_report.h"

#include "csv.h"
#include "display_number.h"
#include "evaluation_json.h"
#include "input_options.h"
#include "model/caption.h"
#include "model/exposure.h"
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
using model::SweepRow;

namespace {

enum class Kind { Velocity, Value, Rating };

/// One column of the sweep: its key, the method it belongs to (none for the velocity columns and
/// the row code), how a row gives its value and, for an exposure time, whether the sweep window
/// shows it as a time rather than as unlimited.
struct Column
{
    const char *key;
    std::optional<Method> method;
    Kind kind;
    std::optional<double> (*read)(const SweepRow &);
    bool (*limited)(const SweepRow &) = nullptr;
};

template <auto Member> std::optional<double> get(const SweepRow &row)
{
    return row.*Member;
}

bool hsiLimited(const SweepRow &row)
{
    return model::isHeatStressExposureLimited(row.ISC, row.TEP);
}
bool dleNaaLimited(const SweepRow &row)
{
    return model::isSweatExposureLimited(row.DLEnaa);
}
bool dleAaLimited(const SweepRow &row)
{
    return model::isSweatExposureLimited(row.DLEaa);
}

constexpr Column kColumns[] = {
    { "va", std::nullopt, Kind::Velocity, get<&SweepRow::va> },
    { "var", std::nullopt, Kind::Value, get<&SweepRow::var> },
    { "tr", std::nullopt, Kind::Value, get<&SweepRow::tr> },
    { "IVM", Method::Pmv, Kind::Value, get<&SweepRow::IVM> },
    { "PPI", Method::Pmv, Kind::Value, get<&SweepRow::PPI> },
    { "okIVM", Method::Pmv, Kind::Rating, get<&SweepRow::okIVM> },
    { "ISC", Method::Hsi, Kind::Value, get<&SweepRow::ISC> },
    { "TEP", Method::Hsi, Kind::Value, get<&SweepRow::TEP>, hsiLimited },
    { "okISC", Method::Hsi, Kind::Rating, get<&SweepRow::okISC> },
    { "WBGT", Method::Wbgt, Kind::Value, get<&SweepRow::WBGT> },
    { "okWBGT", Method::Wbgt, Kind::Rating, get<&SweepRow::okWBGT> },
    { "wp", Method::SwReq, Kind::Value, get<&SweepRow::wp> },
    { "SWp", Method::SwReq, Kind::Value, get<&SweepRow::SWp> },
    { "DLEnaa", Method::SwReq, Kind::Value, get<&SweepRow::DLEnaa>, dleNaaLimited },
    { "DLEaa", Method::SwReq, Kind::Value, get<&SweepRow::DLEaa>, dleAaLimited },
    { "Ac", Method::SwReq, Kind::Value, get<&SweepRow::Ac> },
    { "okSWreq", Method::SwReq, Kind::Rating, get<&SweepRow::okSWreq> },
    { "WCI", Method::Wci, Kind::Value, get<&SweepRow::WCI> },
    { "tch", Method::Wci, Kind::Value, get<&SweepRow::tch> },
    { "okIVF", Method::Wci, Kind::Rating, get<&SweepRow::okIVF> },
    { "IREQmin", Method::Ireq, Kind::Value, get<&SweepRow::IREQmin> },
    { "IREQneut", Method::Ireq, Kind::Value, get<&SweepRow::IREQneut> },
    { "okIreq", Method::Ireq, Kind::Rating, get<&SweepRow::okIreq> },
    { "code", std::nullopt, Kind::Rating, get<&SweepRow::code> },
};

/// The named columns in the list's order, a repeated name once; throws InputError for a name
/// that is no column.
std::vector<const Column *> namedColumns(std::string_view list)
{
    std::vector<const Column *> columns;
    for (;;) {
        const std::size_t comma = std::min(list.find(','), list.size());
        const std::string_view name = list.substr(0, comma);
        const auto found = std::find_if(std::begin(kColumns), std::end(kColumns),
            [&](const Column &column) { return column.key == name; });
        if (found == std::end(kColumns))
            throw InputError("--columns: unknown sweep key " + Quoted(name)
                + "; sweep keys are va, "
                  "var, tr, IVM, PPI, okIVM, ISC, TEP, okISC, WBGT, okWBGT, wp, SWp, "
                  "DLEnaa, DLEaa, Ac, okSWreq, WCI, tch, okIVF, IREQmin, IREQneut, "
                  "okIreq, code");
        if (std::find(columns.begin(), columns.end(), &*found) == columns.end())
            columns.push_back(&*found);
        if (comma == list.size())
            return columns;
        list.remove_prefix(comma + 1);
    }
}

/// The columns shown: those named, or every column in order; either way only those of the
/// methods that take part besides the velocities and the code.
std::vector<const Column *> columnsOf(const model::Sweep &sweep, const SweepOutput &output)
{
    std::vector<const Column *> candidates;
    if (output.columns) {
        candidates = namedColumns(*output.columns);
    } else {
        for (const Column &column : kColumns)
            candidates.push_back(&column);
    }
    std::erase_if(candidates, [&](const Column *column) {
        return column->method && !sweep.methods[static_cast<std::size_t>(*column->method)];
    });
    return candidates;
}

/// The chosen precision applies to the computed values; the velocities of the sweep stay exact.
int decimals(const Column &column, const SweepOutput &output)
{
    return column.kind == Kind::Value ? output.precision : kShortest;
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
    const std::vector<const Column *> columns = columnsOf(sweep, output);
    ordered_json rows = ordered_json::array();
    for (const SweepRow &row : sweep.rows) {
        ordered_json json = ordered_json::object();
        for (const Column *column : columns) {
            const std::optional<double> value = column->read(row);
            if (column->kind == Kind::Rating)
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
    const std::vector<const Column *> columns = columnsOf(sweep, output);
    std::string csv;
    for (const Column *column : columns)
        AppendCsvCell(csv, column->key, column == columns.front());
    csv += '\n';
    for (const SweepRow &row : sweep.rows) {
        for (const Column *column : columns) {
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
    const std::vector<const Column *> columns = columnsOf(sweep, output);
    const int decimals = output.precision == kShortest ? 2 : output.precision;
    constexpr int kWidth = 10;
    std::ostringstream out;
    for (const Column *column : columns)
        out << std::setw(kWidth) << column->key;
    out << '\n';
    for (const SweepRow &row : sweep.rows) {
        for (const Column *column : columns) {
            const std::optional<double> value = column->read(row);
            std::string cell;
            if (!value || (column->limited && !column->limited(row)))
                cell = inLanguage(unlimitedExposure(model::UnlimitedExposure::Sweep), language);
            else if (column->kind == Kind::Velocity)
                cell = GeneralNumber(*value);
            else if (column->kind == Kind::Rating)
                cell = std::to_string(static_cast<int>(*value));
            else
                cell = GroupedFixed(*value, decimals);
            out << std::setw(kWidth) << cell;
        }
        out << '\n';
    }
    return out.str();
}

} // namespace kalvora::cli
