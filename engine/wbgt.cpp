#include "wbgt.h"

#include "fault.h"

namespace kalvora::engine {

double WbgtIndex(const WbgtReadings &in)
{
    const double tnw = in.naturalWetBulbTemperature;
    const double tg = in.globeTemperature;
    const double ta = in.airTemperature;
    // ISO 7243 weights; under solar load the air temperature takes part of the globe's share.
    return in.solarLoad
        ? checked("WBGT = 0.7·tnw + 0.2·tg + 0.1·ta", 0.7 * tnw + 0.2 * tg + 0.1 * ta)
        : checked("WBGT = 0.7·tnw + 0.3·tg", 0.7 * tnw + 0.3 * tg);
}

} // namespace kalvora::engine
