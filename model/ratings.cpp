#include "ratings.h"

#include "exposure.h"

#include <cmath>

namespace kalvora::model {

// Every band is written with the comparisons of its scale, bounds included exactly as rated.

std::int16_t RatePmv(double IVM)
{
    if (IVM >= -0.5 && IVM <= 0.5)
        return 0;
    if ((IVM > 0.5 && IVM <= 1.5) || (IVM >= -1.5 && IVM < -0.5))
        return 1;
    return 2;
}

std::int16_t RateHeatStress(double ISC)
{
    if (ISC >= -10 && ISC <= 10)
        return 0;
    if ((ISC > 10 && ISC <= 30) || (ISC >= -20 && ISC < -10))
        return 1;
    return 2;
}

std::int16_t RateWbgt(const WbgtExposure &exposure)
{
    const double WBGT = exposure.WBGT;
    const double M = exposure.metabolicRate;
    const double first = 34.28 * std::exp(-1.0426e-3 * M);
    const double second = 33.867 * std::exp(-3.6674e-4 * M);
    if (WBGT < first)
        return 0;
    if (WBGT < second)
        return 1;
    return 2;
}

std::int16_t RateSweat(const SweatAlarmTimes &times)
{
    if (!isSweatExposureLimited(times.DLEnaa))
        return 0;
    // The acclimatized alarm time is compared strictly: 0.001 min itself rates 2.
    return times.DLEaa < kNegligibleSweatExposure ? 1 : 2;
}

std::int16_t RateWindChill(double tch)
{
    if (tch >= 21 && tch <= 28)
        return 0;
    if (tch >= 10 && tch < 21)
        return 1;
    return 2;
}

std::int16_t RateInsulation(double Icl, double IREQ1, double IREQ2)
{
    if (Icl < IREQ1)
        return 2;
    if (Icl < IREQ2)
        return 1;
    return 0;
}

} // namespace kalvora::model
