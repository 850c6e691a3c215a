#pragma once
// Application ranges of the methods whose validity limits bind their inputs (PMV, HSI, WBGT,
// SWreq): one line per tested quantity, bounds inclusive. The results summary and the ranges
// view both ask here, so a method is out of range in one exactly when it is in the other.

#include "input_parameters.h"
#include "method_results.h"

#include <span>

namespace kalvora::model {

/// The quantities the ranges test: typed inputs read with FieldValue when asked, and the
/// computed mean radiant temperature, relative air velocity and vapour pressure of the record.
struct RangeValues
{
    double M = 0; ///< metabolic power, W/m²
    double Icl = 0; ///< clothing insulation, clo
    double ta = 0; ///< air temperature, °C
    double TRM = 0; ///< mean radiant temperature, °C
    double var = 0; ///< relative air velocity, m/s
    double pvap = 0; ///< partial vapour pressure, kPa
    double tbhn = 0; ///< natural wet-bulb temperature, °C
    double tg = 0; ///< globe temperature, °C
};

RangeValues rangeValues(const InputParameters &input, const MethodResults &results);

/// One tested line of a method's range, in the order the ranges view lists them (the bounds:
/// rangeBounds).
enum class RangeLine {
    PmvMetabolism, ///< metabolic power, W/m²
    PmvClothing, ///< clothing insulation, clo
    PmvAirTemperature, ///< °C
    PmvRadiantTemperature, ///< mean radiant temperature, °C
    PmvAirVelocity, ///< relative air velocity, m/s
    PmvVapourPressure, ///< kPa
    HsiClothing, ///< clo
    HsiSkinTemperature, ///< °C, assumed by the method: information, never broken
    WbgtAirTemperature, ///< °C
    WbgtWetBulb, ///< natural wet-bulb temperature, the one the index reads, °C
    WbgtGlobeTemperature, ///< °C
    SwVapourPressure, ///< kPa
};

/// What a line states: an interval with both bounds inside, an upper bound that is already
/// outside, or a value the method assumes (information, never broken).
enum class RangeKind { Interval, Below, Assumed };

struct RangeBounds
{
    RangeKind kind;
    double low; ///< Interval: the lowest value inside; Assumed: the value assumed
    double high; ///< Interval: the highest value inside; Below: the first value outside
};

/// The bounds of a line, in the unit of the quantity it tests.
RangeBounds rangeBounds(RangeLine line);

/// The lines of a method; none for the wind chill index and IREQ, which have no range here.
std::span<const RangeLine> rangeLines(Method method);

/// True when the value the line tests lies outside its range (a value that is not a number is
/// outside every range).
bool breaks(RangeLine line, const RangeValues &values);

/// True when any line of the method breaks.
bool outOfRange(Method method, const RangeValues &values);

} // namespace kalvora::model
