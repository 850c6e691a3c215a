#pragma once
// Wind chill index (Siple and Passel) and chilling temperature, as used with ISO 11079.

namespace kalvora::engine {

struct WindChill
{
    double WCI; ///< heat loss of bare skin at 33 °C, W/m²
    double tch; ///< still-air temperature with the same cooling, °C
};

/// Wind chill of air at ta [°C] moving at v [m/s] (the relative air velocity).
WindChill WindChillIndex(double v, double ta);

} // namespace kalvora::engine
