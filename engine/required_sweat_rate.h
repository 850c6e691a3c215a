#pragma once
// Required sweat rate (ISO 7933): heat balance of the skin, the evaporation it requires and the
// environment allows, and for four criteria the predicted wettedness, sweat rate and allowable
// exposure time. Heat flows W/m² positive when lost, exposure times in minutes, −1 meaning not
// limited.

#include "enum_array.h"
#include "exchange.h"

#include <array>

namespace kalvora::engine {

enum class Posture { Standing = 0, Seated = 1, Crouching = 2 };

/// The required sweat rate's inputs: the exchange, and the relative air velocity and posture
/// besides. The measured velocity enters only the skin-temperature regression; the relative one
/// decides the convective coefficient.
struct SweatConditions
{
    Exchange exchange;
    double relativeAirVelocity; ///< var, m/s
    Posture posture;
};

/// The four criteria of ISO 7933, alarm and danger levels for subjects not acclimatized and
/// acclimatized to heat.
enum class SweatCriterion {
    AlarmNonAcclimatized,
    DangerNonAcclimatized,
    AlarmAcclimatized,
    DangerAcclimatized,
};
inline constexpr std::array<SweatCriterion, 4> kSweatCriteria {
    SweatCriterion::AlarmNonAcclimatized, SweatCriterion::DangerNonAcclimatized,
    SweatCriterion::AlarmAcclimatized, SweatCriterion::DangerAcclimatized
};

/// One value per criterion.
template <class T> using PerSweatCriterion = EnumArray<SweatCriterion, T, kSweatCriteria.size()>;

/// One criterion's limits; SWmax depends on whether the subject rests (M < 65 W/m²) or works.
struct SweatLimit
{
    double wmax; ///< maximal skin wettedness, -
    double SWmaxRest; ///< maximal sweat rate at rest, W/m²
    double SWmaxWork; ///< maximal sweat rate at work, W/m²
    double Qmax; ///< maximal heat storage, W·h/m²
    double Dmax; ///< maximal water loss, W·h/m²
};

/// ISO 7933 limits, in the order of SweatCriterion.
inline constexpr PerSweatCriterion<SweatLimit> sweatLimits { {
    SweatLimit { 0.85, 100, 200, 50, 1000 },
    SweatLimit { 0.85, 150, 250, 60, 1250 },
    SweatLimit { 1.0, 200, 300, 50, 1500 },
    SweatLimit { 1.0, 300, 400, 60, 2000 },
} };

/// What the skin must evaporate and what one criterion allows it.
struct SweatCriterionInputs
{
    double requiredWettedness; ///< wreq, -
    double maximalEvaporation; ///< Emax, W/m²
    double maximalWettedness; ///< wmax, -
    double maximalSweatRate; ///< SWmax, W/m²: the rest or work value already chosen
    double maximalHeatStorage; ///< Qmax, W·h/m²
    double maximalWaterLoss; ///< Dmax, W·h/m²
};

/// Predicted values under one criterion.
struct PredictedSweat
{
    double wp; ///< predicted skin wettedness, -
    double rp; ///< evaporative efficiency of sweating, -
    double SWp; ///< predicted sweat rate, W/m²
    double DLE; ///< allowable exposure time, min; −1 when not limited
};

struct SweatRate
{
    double Cres; ///< respiratory convection, W/m²
    double Eres; ///< respiratory evaporation, W/m²
    double hc; ///< convective coefficient, W/(m²·K)
    double hr; ///< radiative coefficient, W/(m²·K)
    double C; ///< convection, W/m²
    double R; ///< radiation, W/m²
    PerSweatCriterion<PredictedSweat> criteria;
    double Emax; ///< maximal evaporation, W/m²
    double E; ///< evaporation predicted for the alarm criterion, non-acclimatized, W/m²
    double Ac; ///< accumulated heat, W/m²
    double tsk; ///< mean skin temperature, °C
};

/// Predicted wettedness, sweat rate and exposure time under one criterion (ISO 7933): the sweat
/// rate capped at SWmax, the exposure limited by heat storage or by water loss.
PredictedSweat PredictedSweatCriterion(const SweatCriterionInputs &in);

/// Required sweat rate of ISO 7933. A zero denominator (tsk = tr is handled by its limit;
/// hc + hr = 0, Emax = 0) is a division-by-zero fault naming the step.
SweatRate RequiredSweatRate(const SweatConditions &in);

} // namespace kalvora::engine
