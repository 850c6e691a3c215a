#pragma once
// The six method ratings: 0 (green), 1 (orange), 2 (red) in rising order of strain.

#include <cstdint>

namespace kalvora::model {

std::int16_t RatePmv(double IVM);
std::int16_t RateHeatStress(double ISC);
struct WbgtExposure
{
    double WBGT; ///< the index, °C
    double metabolicRate; ///< M, W/m²
};

/// Limits 34.28·exp(−1.0426e−3·M) and 33.867·exp(−3.6674e−4·M) °C.
std::int16_t RateWbgt(const WbgtExposure &exposure);

/// The allowable exposure times of the two alarm criteria of the required sweat rate, min.
struct SweatAlarmTimes
{
    double DLEnaa; ///< not acclimatized; −1 not limited
    double DLEaa; ///< acclimatized; −1 not limited
};

/// 0 where DLEnaa does not limit the exposure (isSweatExposureLimited); 1 where DLEaa is below
/// 0.001 min, else 2.
std::int16_t RateSweat(const SweatAlarmTimes &times);
std::int16_t RateWindChill(double tch);
std::int16_t RateInsulation(double Icl, double IREQ1, double IREQ2);

} // namespace kalvora::model
