#pragma once
// Wind chill index (Siple and Passel) and chilling temperature, as used with ISO 11079.

namespace kalvora::engine {

struct WindChill
{
    double WCI; ///< heat loss of bare skin at 33 °C, W/m²
    double tch; ///< still-air temperature with the same cooling, °C
};

struct WindChillConditions
{
    double relativeAirVelocity; ///< v, m/s: the index is read at the relative air velocity
    double airTemperature; ///< ta, °C
};

/// Wind chill index and chilling temperature of Siple and Passel, bare skin at 33 °C.
WindChill WindChillIndex(const WindChillConditions &in);

} // namespace kalvora::engine
