#pragma once
// Heat stress index (Belding and Hatch) with its allowable exposure time. Heat flows W/m²,
// positive when lost by the body; respiration takes no part.

#include "exchange.h"

#include <optional>

namespace kalvora::engine {

struct HeatStress
{
    double ISC; ///< heat stress index, % (100·Ereq/Emax)
    /// Allowable exposure time, min: 2440/(Ereq − Emax); meaningful only when ISC > 100.
    /// Empty at Ereq = Emax, where it is undefined; readers treat that like unlimited exposure.
    std::optional<double> TEP;
    double R; ///< radiation, W/m²
    double C; ///< convection, W/m²
    double E; ///< evaporation achieved, W/m²
    double Ac; ///< accumulated heat, W/m²
    double Emax; ///< maximal evaporation the environment allows (capped at 390), W/m²
    double Ereq; ///< evaporation required for balance, W/m²
};

/// Heat stress index of Belding and Hatch, skin at 35 °C, for the measured air velocity; the
/// clothing only chooses between the nude (Icl exactly 0) and the clothed coefficients.
/// Emax = 0 (pa = 5.6 kPa) leaves the index undefined and is a division-by-zero fault.
HeatStress HeatStressIndex(const Exchange &in);

} // namespace kalvora::engine
