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

/// One tested line of a method's range, in the order the ranges view lists them.
enum class RangeLine {
    PmvMetabolism, ///< 46–232 W/m²
    PmvClothing, ///< 0–2 clo
    PmvAirTemperature, ///< 10–30 °C
    PmvRadiantTemperature, ///< 10–40 °C
    PmvAirVelocity, ///< 0–1 m/s
    PmvVapourPressure, ///< 0–2.7 kPa
    HsiClothing, ///< 0.5–0.6 clo
    HsiSkinTemperature, ///< 35 °C assumed by the method: information, never broken
    WbgtAirTemperature, ///< 10–60 °C
    WbgtWetBulb, ///< natural wet-bulb temperature 5–40 °C, the one the index reads
    WbgtGlobeTemperature, ///< 20–120 °C
    SwVapourPressure, ///< below 2.8 kPa
};

/// The lines of a method; none for the wind chill index and IREQ, which have no range here.
std::span<const RangeLine> rangeLines(Method method);

/// True when the value the line tests lies outside its range (a value that is not a number is
/// outside every range).
bool breaks(RangeLine line, const RangeValues &values);

/// True when any line of the method breaks.
bool outOfRange(Method method, const RangeValues &values);

} // namespace kalvora::model
