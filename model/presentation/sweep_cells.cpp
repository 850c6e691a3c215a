#include "sweep_cells.h"

#include "model/exposure.h"
#include "model/heat_balance.h"
#include "unlimited_exposure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace kalvora::model {

namespace {

template <auto member> std::optional<double> get(const SweepRow &row)
{
    return row.*member;
}

using C = SweepColumn;
using P = NumberPattern;
using R = SweepRow;
using V = SweepValue;
constexpr std::optional<Method> kNone;
constexpr std::optional<C> kNoColumn;
constexpr ExposureMarker kHeatStress = ExposureMarker::HeatStress;
constexpr ExposureMarker kSweatRate = ExposureMarker::SweatRate;

constexpr SweepQuantity kQuantities[] = {
    { "va", C::pv, "pv", kNone, V::Velocity, get<&R::va>, P::General, "" },
    { "var", kNoColumn, nullptr, kNone, V::Quantity, get<&R::var>, P::Grouped2, "" },
    { "tr", kNoColumn, nullptr, kNone, V::Quantity, get<&R::tr>, P::Grouped2, "" },
    { "IVM", C::PIVM, "PIVM", Method::Pmv, V::Quantity, get<&R::IVM>, P::Grouped2, "   -" },
    { "PPI", C::PPPI, "PPPI", Method::Pmv, V::Quantity, get<&R::PPI>, P::Grouped1, "  -" },
    { "okIVM", kNoColumn, nullptr, Method::Pmv, V::Rating, get<&R::okIVM>, P::General, "" },
    { "ISC", C::PISC, "PISC", Method::Hsi, V::Quantity, get<&R::ISC>, P::Grouped1, "  -" },
    { "TEP", C::PTEP, "PTEP", Method::Hsi, V::Quantity, get<&R::TEP>, P::Grouped1, "  -",
        kHeatStress },
    { "okISC", kNoColumn, nullptr, Method::Hsi, V::Rating, get<&R::okISC>, P::General, "" },
    { "WBGT", C::PWBGT, "PWBGT", Method::Wbgt, V::Quantity, get<&R::WBGT>, P::Grouped2, "  -" },
    { "okWBGT", kNoColumn, nullptr, Method::Wbgt, V::Rating, get<&R::okWBGT>, P::General, "" },
    { "wp", C::Pwp, "Pwp", Method::SwReq, V::Quantity, get<&R::wp>, P::Grouped2, "  -" },
    { "SWp", C::PSWp, "PSWp", Method::SwReq, V::Quantity, get<&R::SWp>, P::Grouped2, "    -" },
    { "DLEnaa", C::PDLE, "PDLE", Method::SwReq, V::Quantity, get<&R::DLEnaa>, P::Grouped2, "  -",
        kSweatRate },
    { "DLEaa", kNoColumn, nullptr, Method::SwReq, V::Quantity, get<&R::DLEaa>, P::Grouped2, "",
        kSweatRate },
    { "Ac", C::PAc, "PAc", Method::SwReq, V::Quantity, get<&R::Ac>, P::Grouped1, "    -" },
    { nullptr, C::peq, "peq", Method::SwReq, V::Balance, get<&R::Ac>, P::General, "  -" },
    { "okSWreq", kNoColumn, nullptr, Method::SwReq, V::Rating, get<&R::okSWreq>, P::General, "" },
    { "WCI", C::PWCI, "PWCI", Method::Wci, V::Quantity, get<&R::WCI>, P::Plain1, "     -" },
    { "tch", C::Ptch, "Ptch", Method::Wci, V::Quantity, get<&R::tch>, P::Grouped1, "   -" },
    { "okIVF", kNoColumn, nullptr, Method::Wci, V::Rating, get<&R::okIVF>, P::General, "" },
    { "IREQmin", C::Imin, "Imin", Method::Ireq, V::Quantity, get<&R::IREQmin>, P::Grouped1, "" },
    { "IREQneut", C::Ineut, "Ineut", Method::Ireq, V::Quantity, get<&R::IREQneut>, P::Grouped1,
        "" },
    { "okIreq", kNoColumn, nullptr, Method::Ireq, V::Rating, get<&R::okIreq>, P::General, "" },
    { "code", kNoColumn, nullptr, kNone, V::Rating, get<&R::code>, P::General, "" },
};

/// The quantity of each window column, found once.
std::array<const SweepQuantity *, kSweepColumnCount> columnQuantities()
{
    std::array<const SweepQuantity *, kSweepColumnCount> shown {};
    for (const SweepQuantity &quantity : kQuantities)
        if (quantity.column)
            shown[static_cast<std::size_t>(*quantity.column)] = &quantity;
    if (std::find(shown.begin(), shown.end(), nullptr) != shown.end())
        throw std::logic_error("a sweep column shows no quantity");
    return shown;
}

SweepCell text(const char *shown)
{
    return { std::nullopt, 0, shown };
}

/// A method's rows are complete when no fault stopped the sweep at or before it (the methods
/// run in flag order, each over every row).
bool completed(const Sweep &sweep, Method method)
{
    if (!sweep.fault)
        return true;
    return sweep.fault->method && static_cast<int>(method) < static_cast<int>(*sweep.fault->method);
}

/// The swept velocities are whole hundredths of a m/s; rounding off the error of their binary
/// sums lets the general form read 0.15 where the sum is 0.15000000000000002.
double shownVelocity(double va)
{
    constexpr double kResolution = 1e6; // per m/s
    return std::round(va * kResolution) / kResolution;
}

SweepCell cellOf(const SweepQuantity &quantity, const SweepRow &row, Language language)
{
    const std::optional<double> value = quantity.read(row);
    switch (quantity.kind) {
    case SweepValue::Velocity:
        return { quantity.pattern, shownVelocity(*value), {} };
    case SweepValue::Balance: {
        constexpr Caption kInBalance { " SI", "YES" };
        return text(InThermalBalance(*value) ? inLanguage(kInBalance, language) : " NO");
    }
    case SweepValue::Quantity:
    case SweepValue::Rating:
        break;
    }
    if (!value || sweepExposureUnlimited(quantity, row))
        return text(inLanguage(unlimitedExposure(UnlimitedExposure::Sweep), language));
    return { quantity.pattern, *value, {} };
}

} // namespace

std::span<const SweepQuantity> sweepQuantities()
{
    return kQuantities;
}

const SweepQuantity &sweepColumnQuantity(SweepColumn column)
{
    static const std::array<const SweepQuantity *, kSweepColumnCount> shown = columnQuantities();
    return *shown[static_cast<std::size_t>(column)];
}

bool sweepExposureUnlimited(const SweepQuantity &quantity, const SweepRow &row)
{
    switch (quantity.marker) {
    case ExposureMarker::HeatStress:
        return !isHeatStressExposureLimited(row.ISC, quantity.read(row));
    case ExposureMarker::SweatRate:
        return !isSweatExposureLimited(*quantity.read(row));
    case ExposureMarker::None:
    case ExposureMarker::RequiredInsulation:
    case ExposureMarker::WornMinimal:
    case ExposureMarker::WornNeutral:
        break;
    }
    return false;
}

Sweep sweepNotComputed(const InputParameters &input, const EvaluationFault &stoppedBy)
{
    Sweep sweep;
    for (const Method method : kAllMethods)
        sweep.methods[static_cast<std::size_t>(method)] = input.method(method);
    for (int i = 0; i < kSweepRowsShown; ++i)
        sweep.rows[static_cast<std::size_t>(i)].va = sweptVelocity(i);
    // Stopped before the first method: no method's rows are complete.
    sweep.fault = stoppedBy;
    sweep.fault->method.reset();
    return sweep;
}

SweepCell sweepCell(const Sweep &sweep, int row, SweepColumn column, Language language)
{
    const SweepQuantity &quantity = sweepColumnQuantity(column);
    if (quantity.method) {
        if (!sweep.methods[static_cast<std::size_t>(*quantity.method)])
            return text(quantity.dash);
        if (!completed(sweep, *quantity.method))
            return text("");
    }
    return cellOf(quantity, sweep.rows.at(static_cast<std::size_t>(row)), language);
}

} // namespace kalvora::model
