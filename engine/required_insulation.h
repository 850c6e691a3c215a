#pragma once
// Required clothing insulation IREQ (ISO 11079): IREQmin and IREQneut by a two-dimensional
// Newton iteration, and for the clothing worn the heat storage rate and the duration-limited
// exposure. Heat flows W/m² positive when lost by the body, insulation clo, exposure in hours.

#include "exchange.h"

#include <optional>

namespace kalvora::engine {

/// The heat balance of one clothing under one set of physiological criteria.
struct InsulationBalance
{
    double R; ///< radiation, W/m²
    double C; ///< convection, W/m²
    double E; ///< evaporation from the skin, W/m²
    double S; ///< heat storage rate M − Eres − Cres − R − C − E, W/m² (negative: heat lost)
    /// Duration-limited exposure −40/S, h (negative while the body gains heat); empty when S is
    /// exactly 0, where the body loses no heat and the exposure is unlimited.
    std::optional<double> DLE;
};

/// The results under one set of physiological criteria (minimal or neutral strain).
struct InsulationCriterion
{
    double IREQ; ///< required insulation, clo (a negative solution of the balance reads 0)
    InsulationBalance required; ///< the balance at the required insulation IREQ itself
    InsulationBalance worn; ///< the balance of the clothing worn
};

struct RequiredInsulationResult
{
    InsulationCriterion minimal; ///< minimal criteria: skin at 30 °C, wettedness 0.06
    InsulationCriterion neutral; ///< neutral criteria: skin at 35.7 − 0.0285·M, wettedness 0.001·M
    double Cres; ///< respiratory convection, the same in every balance, W/m²
    double Eres; ///< respiratory evaporation, the same in every balance, W/m²
    double hr; ///< radiative coefficient of the worn clothing, minimal criteria, W/(m²·K)
    double hc; ///< convective coefficient, W/(m²·K)
    double tcl; ///< clothing surface temperature of the worn clothing, minimal criteria, °C
};

/// IREQ of ISO 11079 for the exchange, its clothing insulation the clothing worn. A clothing
/// surface at tr takes the limit of the radiative coefficient, 4·σεA·(tr + 273)³. A Newton run
/// that does not meet its stop rule within its bound (200 steps) is a NoConvergence fault of the
/// step.
RequiredInsulationResult RequiredInsulation(const Exchange &in);

/// The two required insulations alone, clo.
struct RequiredInsulationLevels
{
    double minimal; ///< IREQmin
    double neutral; ///< IREQneut
};

/// IREQmin and IREQneut of RequiredInsulation, without the balances of the clothing worn (the
/// exchange's clothing insulation is not read).
RequiredInsulationLevels RequiredInsulationOnly(const Exchange &in);

} // namespace kalvora::engine
