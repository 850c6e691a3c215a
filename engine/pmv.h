#pragma once
// Fanger's predicted mean vote and predicted percentage of dissatisfied (ISO 7730), with the
// terms of the steady-state heat balance. M in W/m², temperatures in °C, pa in kPa, var in m/s,
// Icl in clo; heat flows in W/m², positive when the body loses heat; external work zero.

namespace kalvora::engine {

struct ClothingSurface
{
    double tcl; ///< clothing surface temperature, °C
    double hc; ///< convective heat transfer coefficient, W/(m²·K)
};

/// Clothing surface temperature and convective coefficient: Newton iterations for forced
/// (hf = 12.1·√var, from t = ta) and natural convection (2.38·(t − ta)^0.25, from t = ta + 15),
/// the larger coefficient deciding. When the natural iterate reaches or falls below ta, where its
/// formulas are undefined, the forced-convection solution is kept.
ClothingSurface ClothingSurfaceTemperature(
    double M, double Icl, double tr, double ta, double fcl, double var);

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

/// The comfort equation of ISO 7730 at a known clothing surface temperature tcl and coefficient hc.
PmvBalance FangerPmv(double M, double pa, double ta, double tcl, double hc, double fcl, double tr);

} // namespace kalvora::engine
