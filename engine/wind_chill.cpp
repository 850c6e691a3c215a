#include "wind_chill.h"

#include "fault.h"

#include <cmath>

namespace kalvora::engine {

WindChill WindChillIndex(const WindChillConditions &in)
{
    const double v = in.relativeAirVelocity;
    const double ta = in.airTemperature;
    // Siple and Passel, converted from kcal/(m²·h) to W/m² (factor 1.16), skin at 33 °C. The root
    // is taken of |v|; the subtracted v keeps its sign.
    const double WCI = checked("WCI = 1.16·(10.45 + 10·√v − v)·(33 − ta)",
        1.16 * (10.45 + 10.0 * std::sqrt(std::fabs(v)) - v) * (33.0 - ta));
    // Still air cools bare skin by 25.5 W/m² per kelvin.
    return { WCI, checked("tch = 33 − WCI/25.5", 33.0 - WCI / 25.5) };
}

} // namespace kalvora::engine
