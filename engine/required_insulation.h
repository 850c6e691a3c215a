#pragma once
// Required clothing insulation IREQ (ISO 11079): IREQmin and IREQneut by a two-dimensional
// Newton iteration, and for the clothing worn the heat storage rate and the duration-limited
// exposure. M in W/m², temperatures °C, pa kPa, va m/s, insulation clo, exposure in hours.

#include <array>

namespace kalvora::engine {

inline constexpr int kIreqCases = 4; ///< 0 IREQmin, 1 IREQneut, 2 worn/minimal, 3 worn/neutral
inline constexpr int kIreqQuantities = 8; ///< 0 R, 1 C, 2 E, 3 Cres, 4 Eres, 5 S, 6 DLE, 7 IREQ

/// The result table, case running fastest: position = case + kIreqCases · quantity.
struct IreqTerms
{
    std::array<double, kIreqCases * kIreqQuantities> values {};
    /// S exactly 0 (no net heat loss): DLE is unlimited for that case and its slot holds 0.
    std::array<bool, kIreqCases> dleUnlimited {};

    double at(int ireqCase, int quantity) const { return values[ireqCase + kIreqCases * quantity]; }
    double &at(int ireqCase, int quantity) { return values[ireqCase + kIreqCases * quantity]; }
};

struct RequiredInsulationResult
{
    IreqTerms ireqTerms;
    double hr; ///< radiative coefficient of the worn clothing, minimal criteria, W/(m²·K)
    double hc; ///< convective coefficient, W/(m²·K)
    double tcl; ///< clothing surface temperature of the worn clothing, minimal criteria, °C
};

/// IREQ for metabolic power M, air temperature ta, vapour pressure pa, measured air velocity va,
/// mean radiant temperature tr and worn insulation Icl. A clothing surface at tr takes the limit of
/// the radiative coefficient, 4·σεA·(tr + 273)³. A Newton run that does not meet its stop rule
/// within its bound (200 steps) is a NoConvergence fault of the step.
RequiredInsulationResult RequiredInsulation(
    double M, double ta, double pa, double va, double tr, double Icl);

} // namespace kalvora::engine
