#pragma once
// Linearised radiative exchange between a surface at x [°C] and surroundings at tr [°C]:
// k·[(x + 273)⁴ − (tr + 273)⁴] / (x − tr), where k holds the Stefan–Boltzmann constant, the
// emissivity and the radiating fraction of the body. The quotient is 0/0 at x = tr although the
// coefficient is perfectly defined there; its limit is used only when the difference is exactly 0.

#include "fault.h"

namespace kalvora::engine {

inline double fourthPower(double t)
{
    return t * t * t * t;
}

struct RadiatingSurface
{
    double surfaceTemperature; ///< x, °C
    double meanRadiantTemperature; ///< tr of the surroundings, °C
};

/// Radiative heat transfer coefficient, W/(m²·K); limit k·4·(tr + 273)³ at x = tr.
inline double radiativeCoefficient(double k, const RadiatingSurface &surface)
{
    const double x = surface.surfaceTemperature;
    const double tr = surface.meanRadiantTemperature;
    const double difference = checked("x - tr", x - tr);
    if (difference == 0.0)
        return checked("hr", k * 4.0 * (tr + 273) * (tr + 273) * (tr + 273));
    const double exchange
        = checked("(x+273)^4 - (tr+273)^4", fourthPower(x + 273) - fourthPower(tr + 273));
    return divide("hr", checked("hr", k * exchange), difference);
}

/// ∂/∂x of radiativeCoefficient, W/(m²·K²); limit k·6·(tr + 273)² at x = tr.
inline double radiativeCoefficientSlope(double k, const RadiatingSurface &surface)
{
    const double x = surface.surfaceTemperature;
    const double tr = surface.meanRadiantTemperature;
    const double difference = checked("x - tr", x - tr);
    if (difference == 0.0)
        return checked("dhr/dx", k * 6.0 * (tr + 273) * (tr + 273));
    const double a = x + 273;
    const double numerator = checked(
        "dhr/dx", 4.0 * a * a * a * difference - (fourthPower(a) - fourthPower(tr + 273)));
    return divide(
        "dhr/dx", checked("dhr/dx", k * numerator), checked("dhr/dx", difference * difference));
}

} // namespace kalvora::engine
