#pragma once
// Fanger's predicted mean vote and predicted percentage of dissatisfied (ISO 7730), with the
// terms of the steady-state heat balance. Heat flows in W/m², positive when the body loses heat;
// external work zero.

namespace kalvora::engine {

/// What the comfort equation takes from the worker and the workplace.
struct ComfortConditions
{
    double metabolicRate; ///< M, W/m²
    double clothingInsulation; ///< Icl, clo
    double clothingAreaFactor; ///< fcl, - (ClothingAreaFactor of Icl)
    double airTemperature; ///< ta, °C
    double meanRadiantTemperature; ///< tr, °C
    double vapourPressure; ///< pa, partial pressure of water vapour, kPa
    double relativeAirVelocity; ///< var, m/s
};

struct ClothingSurface
{
    double tcl; ///< clothing surface temperature, °C
    double hc; ///< convective heat transfer coefficient, W/(m²·K)
};

/// Clothing surface temperature and convective coefficient of the comfort equation (ISO 7730):
/// Newton iterations for forced (hf = 12.1·√var, from t = ta) and natural convection
/// (2.38·(t − ta)^0.25, from t = ta + 15), the larger coefficient deciding. When the natural
/// iterate reaches or falls below ta, where its formulas are undefined, the forced-convection
/// solution is kept. The vapour pressure takes no part.
ClothingSurface ClothingSurfaceTemperature(const ComfortConditions &in);

struct PmvBalance
{
    double PMV; ///< predicted mean vote, -
    double PPD; ///< predicted percentage of dissatisfied, %
    double R; ///< radiation, W/m²
    double C; ///< convection, W/m²
    double Eres; ///< respiratory evaporation, W/m²
    double Cres; ///< respiratory convection, W/m²
    double Esw; ///< evaporation by regulatory sweating, W/m² (negative below 58.15 W/m²)
    double Ac; ///< accumulated heat, W/m² (the load of the comfort equation plus skin diffusion)
};

/// Predicted percentage of dissatisfied (%) for a mean vote PMV (ISO 7730):
/// 100 − 95·exp(−0.03353·PMV⁴ − 0.2179·PMV²); 5 % at a neutral vote.
double PredictedPercentageDissatisfied(double PMV);

/// The comfort equation of ISO 7730 at the clothing surface that ClothingSurfaceTemperature found
/// for the same conditions (their insulation and relative air velocity take no further part).
PmvBalance FangerPmv(const ComfortConditions &in, const ClothingSurface &surface);

} // namespace kalvora::engine
