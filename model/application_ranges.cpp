#include "application_ranges.h"

namespace kalvora::model {

namespace {

/// Inclusive bounds, written so that a value that is not a number falls outside.
bool outside(double value, double low, double high)
{
    return !(value >= low && value <= high);
}

constexpr RangeLine kPmvLines[] = { RangeLine::PmvMetabolism, RangeLine::PmvClothing,
    RangeLine::PmvAirTemperature, RangeLine::PmvRadiantTemperature, RangeLine::PmvAirVelocity,
    RangeLine::PmvVapourPressure };
constexpr RangeLine kHsiLines[] = { RangeLine::HsiClothing, RangeLine::HsiSkinTemperature };
constexpr RangeLine kWbgtLines[]
    = { RangeLine::WbgtAirTemperature, RangeLine::WbgtWetBulb, RangeLine::WbgtGlobeTemperature };
constexpr RangeLine kSwLines[] = { RangeLine::SwVapourPressure };

} // namespace

RangeValues rangeValues(const InputParameters &input, const MethodResults &results)
{
    return { input.value(Field::Metabolismo), input.value(Field::Iclo), input.value(Field::Taseco),
        results.TRM, results.var, results.pvap, input.value(Field::tbhn),
        input.value(Field::tglobo) };
}

std::span<const RangeLine> rangeLines(Method method)
{
    switch (method) {
    case Method::Pmv:
        return kPmvLines;
    case Method::Hsi:
        return kHsiLines;
    case Method::Wbgt:
        return kWbgtLines;
    case Method::SwReq:
        return kSwLines;
    case Method::Wci:
    case Method::Ireq:
        return {};
    }
    return {};
}

bool breaks(RangeLine line, const RangeValues &v)
{
    switch (line) {
    case RangeLine::PmvMetabolism:
        return outside(v.M, 46, 232);
    case RangeLine::PmvClothing:
        return outside(v.Icl, 0, 2);
    case RangeLine::PmvAirTemperature:
        return outside(v.ta, 10, 30);
    case RangeLine::PmvRadiantTemperature:
        return outside(v.TRM, 10, 40);
    case RangeLine::PmvAirVelocity:
        return outside(v.var, 0, 1);
    case RangeLine::PmvVapourPressure:
        return outside(v.pvap, 0, 2.7);
    case RangeLine::HsiClothing:
        return outside(v.Icl, 0.5, 0.6);
    case RangeLine::HsiSkinTemperature:
        return false;
    case RangeLine::WbgtAirTemperature:
        return outside(v.ta, 10, 60);
    case RangeLine::WbgtWetBulb:
        return outside(v.tbhn, 5, 40);
    case RangeLine::WbgtGlobeTemperature:
        return outside(v.tg, 20, 120);
    case RangeLine::SwVapourPressure:
        // The limit is stated as pa < 2.8 kPa: 2.8 itself is already outside.
        return !(v.pvap < 2.8);
    }
    return false;
}

bool outOfRange(Method method, const RangeValues &values)
{
    for (const RangeLine line : rangeLines(method))
        if (breaks(line, values))
            return true;
    return false;
}

} // namespace kalvora::model
