#include "sweep_report.h"

#include "csv.h"
#include "display_number.h"
#include "evaluation_json.h"
#include "input_options.h"
#include "model/exposure.h"
#include "model/unlimited_exposure.h"

#include <iomanip>
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

/// The columns of the methods that take part, in flag order, between the velocities and the code.
std::vector<const Column *> columnsOf(const model::Sweep &sweep)
{
    std::vector<const Column *> columns;
    for (const Column &column : kColumns) {
        if (!column.method || sweep.methods[static_cast<std::size_t>(*column.method)])
            columns.push_back(&column);
    }
    return columns;
}

} // namespace

nlohmann::ordered_json SweepJson(const model::Sweep &sweep)
{
    using nlohmann::ordered_json;
    ordered_json methods = ordered_json::array();
    for (int m = 0; m < model::kMethodCount; ++m) {
        if (sweep.methods[static_cast<std::size_t>(m)])
            methods.push_back(kMethodKeys[static_cast<std::size_t>(m)]);
    }
    const std::vector<const Column *> columns = columnsOf(sweep);
    ordered_json rows = ordered_json::array();
    for (const SweepRow &row : sweep.rows) {
        ordered_json json = ordered_json::object();
        for (const Column *column : columns) {
            const std::optional<double> value = column->read(row);
            if (column->kind == Kind::Rating)
                json[column->key] = static_cast<int>(*value);
            else
                json[column->key] = JsonNumber(value);
        }
        rows.push_back(std::move(json));
    }
    return ordered_json { { "methods", std::move(methods) }, { "rows", std::move(rows) } };
}

std::string SweepCsv(const model::Sweep &sweep)
{
    const std::vector<const Column *> columns = columnsOf(sweep);
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
                AppendCsvNumber(csv, *value);
        }
        csv += '\n';
    }
    return csv;
}

std::string SweepText(const model::Sweep &sweep, model::Language language)
{
    const std::vector<const Column *> columns = columnsOf(sweep);
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
                cell = inLanguage(
                    model::unlimitedExposure(model::UnlimitedExposure::Sweep), language);
            else if (column->kind == Kind::Velocity)
                cell = GeneralNumber(*value);
            else if (column->kind == Kind::Rating)
                cell = std::to_string(static_cast<int>(*value));
            else
                cell = GroupedFixed(*value, 2);
            out << std::setw(kWidth) << cell;
        }
        out << '\n';
    }
    return out.str();
}

} // namespace kalvora::cli
