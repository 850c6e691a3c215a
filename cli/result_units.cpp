#include "result_units.h"

#include <array>
#include <utility>

namespace kalvora::cli {

namespace {

constexpr std::string_view kHeatFlow = "W/m²";
constexpr std::string_view kCoefficient = "W/(m²·K)";

constexpr std::pair<std::string_view, std::string_view> kUnits[] = {
    { "var", "m/s" },
    { "TRM", "°C" },
    { "toperativa", "°C" },
    { "Hrel", "%" },
    { "pvap", "kPa" },
    { "ttbh", "°C" },
    { "tclo", "°C" },
    { "hc", kCoefficient },
    { "PPI", "%" },
    { "RIVM", kHeatFlow },
    { "CIVM", kHeatFlow },
    { "EresIVM", kHeatFlow },
    { "CresIVM", kHeatFlow },
    { "EIVM", kHeatFlow },
    { "AcIVM", kHeatFlow },
    { "ISC", "%" },
    { "TEP", "min" },
    { "RISC", kHeatFlow },
    { "CISC", kHeatFlow },
    { "EISC", kHeatFlow },
    { "AcISC", kHeatFlow },
    { "EmaxISC", kHeatFlow },
    { "EreqISC", kHeatFlow },
    { "WBGT", "°C" },
    { "CresSW", kHeatFlow },
    { "EresSW", kHeatFlow },
    { "hconvSW", kCoefficient },
    { "hrSW", kCoefficient },
    { "CSW", kHeatFlow },
    { "RSW", kHeatFlow },
    { "ESW", kHeatFlow },
    { "EmaxSW", kHeatFlow },
    { "AcSW", kHeatFlow },
    { "tpSW", "°C" },
    { "WCI", kHeatFlow },
    { "tch", "°C" },
    { "IREQ1", "clo" },
    { "IREQ2", "clo" },
    { "DLE1", "h" },
    { "DLE2", "h" },
    { "DLE3", "h" },
    { "DLE4", "h" },
    { "RIREQ", kHeatFlow },
    { "CIREQ", kHeatFlow },
    { "EIREQ", kHeatFlow },
    { "CresIREQ", kHeatFlow },
    { "EresIREQ", kHeatFlow },
    { "AcIREQ", kHeatFlow },
    { "hcIREQ", kCoefficient },
    { "hrIREQ", kCoefficient },
    { "tcloIREQ", "°C" },
};

/// The twenty criterion values of the required sweat rate: quantity prefix + criterion suffix.
constexpr std::pair<std::string_view, std::string_view> kCriterionUnits[] = {
    { "wp", "" },
    { "rp", "" },
    { "SWp", kHeatFlow },
    { "Dmax", "W·h/m²" },
    { "DLE", "min" },
};
constexpr std::array<std::string_view, 4> kCriteria = { "naa", "nap", "aa", "ap" };

} // namespace

std::string_view ResultUnit(std::string_view name)
{
    for (const auto &[field, unit] : kUnits) {
        if (field == name)
            return unit;
    }
    for (const auto &[prefix, unit] : kCriterionUnits) {
        if (!name.starts_with(prefix))
            continue;
        for (std::string_view criterion : kCriteria) {
            if (name.substr(prefix.size()) == criterion)
                return unit;
        }
    }
    return {};
}

} // namespace kalvora::cli
