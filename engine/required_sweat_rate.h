#pragma once
// Required sweat rate (ISO 7933): heat balance of the skin, the evaporation it requires and the
// environment allows, and for four criteria the predicted wettedness, sweat rate and allowable
// exposure time. Temperatures °C, pa kPa, velocities m/s, heat flows W/m² positive when lost,
// exposure times in minutes, −1 meaning not limited.

#include <array>

namespace kalvora::engine {

enum class Posture { Standing = 0, Seated = 1, Crouching = 2 };

/// The inputs the method takes beside its three arguments. The sweep passes the hub's var and pa
/// in every row, so they are explicit here rather than read from anywhere.
struct SweatContext
{
    double ta; ///< air temperature, °C
    double Icl; ///< clothing insulation, clo
    Posture posture;
    double pa; ///< partial pressure of water vapour, kPa (the evaluation's pvap)
    double var; ///< relative air velocity, m/s (the evaluation's var)
};

/// One criterion's limits; SWmax depends on whether the subject rests (M < 65 W/m²) or works.
struct SweatLimit
{
    double wmax; ///< maximal skin wettedness, -
    double SWmaxRest; ///< maximal sweat rate at rest, W/m²
    double SWmaxWork; ///< maximal sweat rate at work, W/m²
    double Qmax; ///< maximal heat storage, W·h/m²
    double Dmax; ///< maximal water loss, W·h/m²
};

/// Columns: 0 alarm non-acclimatized (naa), 1 danger non-acclimatized (nap),
/// 2 alarm acclimatized (aa), 3 danger acclimatized (ap).
inline constexpr std::array<SweatLimit, 4> sweatLimits { {
    { 0.85, 100, 200, 50, 1000 },
    { 0.85, 150, 250, 60, 1250 },
    { 1.0, 200, 300, 50, 1500 },
    { 1.0, 300, 400, 60, 2000 },
} };

struct SweatCriterion
{
    double wp; ///< predicted skin wettedness, -
    double rp; ///< evaporative efficiency of sweating, -
    double SWp; ///< predicted sweat rate, W/m²
    double DLE; ///< allowable exposure time, min; −1 when not limited
};

/// Rows of the criterion table: 0 wp, 1 rp, 2 SWp, 3 Dmax, 4 DLE; columns as sweatLimits.
using SwCriteria = std::array<std::array<double, 4>, 5>;

struct SweatRate
{
    double Cres; ///< respiratory convection, W/m²
    double Eres; ///< respiratory evaporation, W/m²
    double hc; ///< convective coefficient, W/(m²·K)
    double hr; ///< radiative coefficient, W/(m²·K)
    double C; ///< convection, W/m²
    double R; ///< radiation, W/m²
    SwCriteria swCriteria;
    double Emax; ///< maximal evaporation, W/m²
    double E; ///< evaporation predicted for criterion 0, W/m²
    double Ac; ///< accumulated heat, W/m²
    double tsk; ///< mean skin temperature, °C
};

/// Predicted wettedness, sweat rate and exposure time for required wettedness wreq under one
/// criterion, with SWmax the rest or work value already chosen; Emax in W/m².
SweatCriterion PredictedSweatCriterion(
    double wreq, double wmax, double SWmax, double Qmax, double Dmax, double Emax);

/// Required sweat rate at mean radiant temperature tr [°C], air velocity va [m/s] and metabolic
/// power M [W/m²]. A zero denominator (tsk = tr is handled by its limit; hc + hr = 0, Emax = 0)
/// is a division-by-zero fault naming the step.
SweatRate RequiredSweatRate(double tr, double va, double M, const SweatContext &context);

} // namespace kalvora::engine
