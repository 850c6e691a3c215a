#pragma once
// Wet bulb globe temperature index (ISO 7243), °C.

namespace kalvora::engine {

struct WbgtReadings
{
    double naturalWetBulbTemperature; ///< tnw, °C
    double globeTemperature; ///< tg, °C: the globe thermometer's own reading
    double airTemperature; ///< ta, °C
    bool solarLoad; ///< outdoors under solar load
};

/// WBGT [°C] (ISO 7243): under solar load 0.7·tnw + 0.2·tg + 0.1·ta, otherwise 0.7·tnw + 0.3·tg.
double WbgtIndex(const WbgtReadings &in);

} // namespace kalvora::engine
