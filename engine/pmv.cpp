#include "pmv.h"

#include "fault.h"
#include "rounded_power.h"

#include <cmath>
#include <optional>

namespace kalvora::engine {

namespace {

// Radiative exchange of the clothed body, W/(m²·K⁴): emissivity 0.95, effective radiating area
// 0.71 of the body surface, Stefan–Boltzmann constant.
constexpr double kRadiation = 3.96e-8;

// Step tolerance of both clothing-temperature iterations, °C.
constexpr double kClothingTolerance = 1e-5;

// The clothing heat balance shared by both iterations, for one set of conditions.
struct ClothingBalance
{
    double skinLoss; // 35.7 − 0.028·M: skin temperature of comfort (ISO 7730), °C
    double resistance; // 0.155·Icl, m²·K/W
    double fcl;
    double ta;
    double tr4; // (tr + 273)^4, K⁴

    // 35.7 − 0.028·M − t − 0.155·Icl·[radiation + convection], convection given at t.
    double residual(const char *step, double t, double convection) const
    {
        const double radiation = kRadiation * fcl * (roundedFourthPower(t + 273.0) - tr4);
        return checked(step, skinLoss - t - resistance * (radiation + convection));
    }

    // −1 − 0.155·Icl·[h·fcl + radiation slope + extra], the slope the iteration uses.
    double slope(const char *step, double t, double hfcl) const
    {
        return checked(
            step, -1.0 - resistance * (hfcl + kRadiation * fcl * 4.0 * roundedCube(t + 273.0)));
    }
};

// Newton iteration t' = t − F(t)/D(t) from start, stopping when |t' − t| ≤ kClothingTolerance.
// step(t) gives the next iterate, or nothing where the balance is undefined; the result is then
// empty as well. Convergence takes a few dozen steps at most; the bound only stops a runaway.
template <class Step>
std::optional<double> iterateClothing(const char *name, double start, Step step)
{
    double t = start;
    for (int i = 0; i < kMaxIterations; ++i) {
        const std::optional<double> next = step(t);
        if (!next)
            return std::nullopt;
        if (std::fabs(*next - t) <= kClothingTolerance)
            return next;
        t = *next;
    }
    notConverged(name);
}

} // namespace

ClothingSurface ClothingSurfaceTemperature(const ComfortConditions &in)
{
    const double M = in.metabolicRate;
    const double Icl = in.clothingInsulation;
    const double fcl = in.clothingAreaFactor;
    const double ta = in.airTemperature;
    const double tr = in.meanRadiantTemperature;
    const double var = in.relativeAirVelocity;
    const ClothingBalance balance {
        checked("tsk = 35.7 − 0.028·M", 35.7 - 0.028 * M),
        checked("0.155·Icl", 0.155 * Icl),
        fcl,
        ta,
        checked("(tr + 273)^4", roundedFourthPower(tr + 273.0)),
    };

    const double hf = checked("hf = 12.1·√var", 12.1 * std::sqrt(var));
    const double hffcl = hf * fcl;
    const double tf
        = *iterateClothing("tcl (forced convection)", ta, [&](double t) -> std::optional<double> {
              const double F = balance.residual("F(tcl) forced", t, hffcl * (t - ta));
              const double D = balance.slope("F'(tcl) forced", t, hffcl);
              return checked("tcl (forced convection)", t - divide("F/F' forced", F, D));
          });

    // Natural convection needs every iterate above ta: (t − ta)^0.25 is undefined below it. Where
    // the iterate gets there, no natural solution exists and the forced one is kept.
    const std::optional<double> tn = iterateClothing(
        "tcl (natural convection)", ta + 15.0, [&](double t) -> std::optional<double> {
            if (!(t > ta))
                return std::nullopt;
            const double root4 = roundedFourthRoot(t - ta);
            const double F = balance.residual("F(tcl) natural", t, 2.38 * fcl * root4 * (t - ta));
            // The exact slope of the convective term 2.38·fcl·(t − ta)^1.25 is
            // 2.38·fcl·(t − ta)^0.25 + 0.25·2.38·fcl·(t − ta)^0.25; the second part is taken here
            // without its factor 2.38·fcl. A Newton step needs only an approximate slope: the
            // root, tcl, does not depend on it; the slope changes only how many steps it takes
            // to come within the 1e-5 °C tolerance.
            const double D = balance.slope("F'(tcl) natural", t, 2.38 * fcl * root4 + 0.25 * root4);
            return checked("tcl (natural convection)", t - divide("F/F' natural", F, D));
        });
    if (!tn || !(*tn > ta))
        return { tf, hf };

    const double hn = checked("hn = 2.38·(tcl − ta)^0.25", 2.38 * roundedFourthRoot(*tn - ta));
    return hf > hn ? ClothingSurface { tf, hf } : ClothingSurface { *tn, hn };
}

double PredictedPercentageDissatisfied(double PMV)
{
    const double pmv2 = PMV * PMV;
    return 100.0 - 95.0 * std::exp(-0.03353 * pmv2 * pmv2 - 0.2179 * pmv2);
}

PmvBalance FangerPmv(const ComfortConditions &in, const ClothingSurface &surface)
{
    const double M = in.metabolicRate;
    const double fcl = in.clothingAreaFactor;
    const double ta = in.airTemperature;
    const double tr = in.meanRadiantTemperature;
    const double pa = in.vapourPressure;
    const double tcl = surface.tcl;
    const double hc = surface.hc;
    PmvBalance b {};
    b.R = checked(
        "R", kRadiation * fcl * (roundedFourthPower(tcl + 273.0) - roundedFourthPower(tr + 273.0)));
    b.C = checked("C", fcl * hc * (tcl - ta));
    // Respiration: latent 0.017·M·(5.867 − pa), dry 0.0014·M·(34 − ta) (ISO 7730).
    b.Eres = checked("Eres", 0.017 * M * (5.867 - pa));
    b.Cres = checked("Cres", 0.0014 * M * (34.0 - ta));
    // Water vapour diffusion through the skin, pa in Pa.
    const double Ed = checked("Ed", 3.05e-3 * (5733.0 - 6.99 * M - 1000.0 * pa));
    // Sweating at comfort; negative below 58.15 W/m² and used with its sign.
    b.Esw = checked("Esw", 0.42 * (M - 58.15));
    const double s
        = checked("s = 0.303·exp(−0.036·M) + 0.028", 0.303 * std::exp(-0.036 * M) + 0.028);
    b.PMV = checked("PMV", s * (M - Ed - b.Esw - b.Eres - b.Cres - b.R - b.C));
    b.PPD = checked("PPD", PredictedPercentageDissatisfied(b.PMV));
    b.Ac = checked("Ac", M - b.R - b.C - b.Esw - b.Cres - b.Eres);
    return b;
}

} // namespace kalvora::engine
