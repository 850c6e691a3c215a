#pragma once
// Wet bulb globe temperature index (ISO 7243), °C.

namespace kalvora::engine {

/// WBGT [°C] from the natural wet-bulb tnw, globe tg and air ta temperatures [°C]: outdoors
/// under solar load 0.7·tnw + 0.2·tg + 0.1·ta, otherwise 0.7·tnw + 0.3·tg.
double WbgtIndex(double tnw, double tg, double ta, bool outdoors);

} // namespace kalvora::engine
