#include "application_ranges.h"

#include <cstddef>
#include <iterator>

namespace kalvora::model {

namespace {

/// Inclusive bounds, written so that a value that is not a number falls outside.
bool outside(double value, double low, double high)
{
    return !(value >= low && value <= high);
}

/// A line: the quantity it tests and its bounds (ISO 7730 for PMV; the limits of the heat stress
/// index, of ISO 7243 and of ISO 7933 for the others).
struct LineRule
{
    RangeLine line;
    double RangeValues::*tested; ///< none for an assumed value
    RangeBounds bounds;
};

constexpr LineRule kRules[] = {
    { RangeLine::PmvMetabolism, &RangeValues::M, { RangeKind::Interval, 46, 232 } }, // W/m²
    { RangeLine::PmvClothing, &RangeValues::Icl, { RangeKind::Interval, 0, 2 } }, // clo
    { RangeLine::PmvAirTemperature, &RangeValues::ta, { RangeKind::Interval, 10, 30 } }, // °C
    { RangeLine::PmvRadiantTemperature, &RangeValues::TRM, { RangeKind::Interval, 10, 40 } },
    { RangeLine::PmvAirVelocity, &RangeValues::var, { RangeKind::Interval, 0, 1 } }, // m/s
    { RangeLine::PmvVapourPressure, &RangeValues::pvap, { RangeKind::Interval, 0, 2.7 } }, // kPa
    { RangeLine::HsiClothing, &RangeValues::Icl, { RangeKind::Interval, 0.5, 0.6 } },
    { RangeLine::HsiSkinTemperature, nullptr, { RangeKind::Assumed, 35, 35 } }, // °C
    { RangeLine::WbgtAirTemperature, &RangeValues::ta, { RangeKind::Interval, 10, 60 } },
    { RangeLine::WbgtWetBulb, &RangeValues::tbhn, { RangeKind::Interval, 5, 40 } },
    { RangeLine::WbgtGlobeTemperature, &RangeValues::tg, { RangeKind::Interval, 20, 120 } },
    { RangeLine::SwVapourPressure, &RangeValues::pvap, { RangeKind::Below, 0, 2.8 } },
};

constexpr bool inLineOrder()
{
    for (std::size_t i = 0; i < std::size(kRules); ++i)
        if (kRules[i].line != static_cast<RangeLine>(i))
            return false;
    return true;
}
static_assert(inLineOrder(), "one rule per line, in the order of RangeLine");

const LineRule &ruleOf(RangeLine line)
{
    return kRules[static_cast<std::size_t>(line)];
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

RangeBounds rangeBounds(RangeLine line)
{
    return ruleOf(line).bounds;
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

bool breaks(RangeLine line, const RangeValues &values)
{
    const LineRule &rule = ruleOf(line);
    const RangeBounds &b = rule.bounds;
    switch (b.kind) {
    case RangeKind::Interval:
        return outside(values.*rule.tested, b.low, b.high);
    case RangeKind::Below:
        // Stated as value < high: high itself is already outside.
        return !(values.*rule.tested < b.high);
    case RangeKind::Assumed:
        return false;
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
