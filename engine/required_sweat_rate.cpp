#include "required_sweat_rate.h"

#include "fault.h"
#include "psychrometrics.h"
#include "radiative_exchange.h"
#include "rounded_power.h"

#include <cmath>

namespace kalvora::engine {

namespace {

// Metabolic power from which the subject counts as working for the SWmax limits, W/m².
constexpr double kWorkingMetabolism = 65;

// Ar/Adu: radiating fraction of the body surface, by posture (ISO 7933).
double radiatingFraction(Posture posture)
{
    switch (posture) {
    case Posture::Standing:
        return 0.77;
    case Posture::Seated:
        return 0.7;
    case Posture::Crouching:
        return 0.67;
    }
    return 0.77;
}

bool within(double value, double low, double high)
{
    return low <= value && value <= high;
}

// Mean skin temperature, °C: the ISO 7933 regression inside its ranges of validity, else 36.
double skinTemperature(const Exchange &in)
{
    const double ta = in.airTemperature;
    const double tr = in.meanRadiantTemperature;
    const double pa = in.vapourPressure;
    const double va = in.airVelocity;
    const double M = in.metabolicRate;
    const double Icl = in.clothingInsulation;
    if (within(ta, 22.9, 50.6) && within(tr, 24.1, 49.5) && within(pa, 0.8, 4.8)
        && within(va, 0.2, 0.9) && within(M, 46.4, 272) && within(Icl, 0.1, 0.6))
        return checked("tsk",
            30 + 0.093 * ta + 0.045 * tr - 0.571 * va + 0.254 * pa + 0.00128 * M - 3.57 * Icl);
    return 36;
}

// Convective coefficient of the skin at tsk [°C], W/(m²·K): natural convection unless forced
// convection is at least as large.
double convectiveCoefficient(const SweatConditions &in, double tsk)
{
    const double ta = in.exchange.airTemperature;
    const double var = in.relativeAirVelocity;
    const double hn
        = checked("hn", 2.38 * roundedFourthRoot(checked("tsk - ta", std::fabs(tsk - ta))));
    const double hf
        = var >= 1 ? checked("hf", 8.7 * std::pow(var, 0.6)) : checked("hf", 3.5 + 5.2 * var);
    return hn > hf ? hn : hf;
}

} // namespace

PredictedSweat PredictedSweatCriterion(const SweatCriterionInputs &in)
{
    const double wreq = in.requiredWettedness;
    const double Emax = in.maximalEvaporation;
    const double wmax = in.maximalWettedness;
    const double SWmax = in.maximalSweatRate;
    const double Qmax = in.maximalHeatStorage;
    const double Dmax = in.maximalWaterLoss;
    PredictedSweat out {};
    out.wp = wreq >= wmax ? wmax : wreq;
    double Ep = checked("Ep = Emax*wp", Emax * out.wp);
    out.rp = checked("rp", 1 - out.wp * out.wp / 2);
    out.SWp = divide("SWp = Ep/rp", Ep, out.rp);
    if (out.SWp > SWmax) {
        // The wettedness at which Emax·wp/(1 − wp²/2) equals SWmax.
        const double root = checked("sqrt(8 SWmax^2 + 4 Emax^2)",
            std::sqrt(checked("8 SWmax^2 + 4 Emax^2", 8 * SWmax * SWmax + 4 * Emax * Emax)));
        out.wp = divide("wp (capped)", -2 * Emax + root, 2 * SWmax);
        Ep = checked("Ep = Emax*wp", Emax * out.wp);
        out.SWp = SWmax;
    }
    const double required = checked("wreq*Emax", wreq * Emax);
    const bool storesHeat = required != Ep;
    // Eight hours of sweating below the water-loss limit and no heat stored: not limited.
    if (!storesHeat && Dmax / 8 > out.SWp) {
        out.DLE = -1;
        return out;
    }
    const double waterLimit = divide("60 Dmax/SWp", 60 * Dmax, out.SWp);
    if (!storesHeat) {
        out.DLE = waterLimit;
        return out;
    }
    const double storageLimit
        = divide("60 Qmax/(wreq Emax - Ep)", 60 * Qmax, checked("wreq Emax - Ep", required - Ep));
    out.DLE = waterLimit < storageLimit ? waterLimit : storageLimit;
    return out;
}

SweatRate RequiredSweatRate(const SweatConditions &in)
{
    const double M = in.exchange.metabolicRate;
    const double Icl = in.exchange.clothingInsulation;
    const double ta = in.exchange.airTemperature;
    const double tr = in.exchange.meanRadiantTemperature;
    const double pa = in.exchange.vapourPressure;
    SweatRate out {};

    out.tsk = skinTemperature(in.exchange);
    const double psk = checked("psk", SaturationPressure(out.tsk));
    out.Cres = checked("Cres", 0.0014 * M * (35 - ta));
    out.Eres = checked("Eres", 0.0173 * M * (5.624 - pa));
    out.hc = convectiveCoefficient(in, out.tsk);
    // 5.67e-8 W/(m²·K⁴), skin emissivity 0.97; at tsk = tr the coefficient takes its limit.
    out.hr = radiativeCoefficient(5.67e-8 * 0.97 * radiatingFraction(in.posture),
        { .surfaceTemperature = out.tsk, .meanRadiantTemperature = tr });

    const double hcr = checked("hc + hr", out.hc + out.hr);
    const double fcl = checked("fcl", 1 + 0.30535 * Icl);
    const double inverseFcl = divide("1/fcl", 1, fcl);
    const double Fcl = divide("Fcl", 1, checked("Fcl", hcr * 0.155 * Icl + inverseFcl));
    out.C = checked("C", out.hc * Fcl * (out.tsk - ta));
    out.R = checked("R", out.hr * Fcl * (out.tsk - tr));

    // hc + hr = 0 leaves the effective insulation undefined: a division-by-zero fault of "Icle".
    const double Icle = checked("Icle", 0.155 * Icl - divide("Icle", 1 - inverseFcl, hcr));
    const double Fpcl = divide("Fpcl", 1, checked("Fpcl", 1 + 2.22 * out.hc * Icle));
    const double RT = divide("RT", 1, checked("RT", 16.7 * out.hc * Fpcl));
    out.Emax = divide("Emax", checked("psk - pa", psk - pa), RT);

    const double Ereq = checked("Ereq", M - out.R - out.C - out.Cres - out.Eres);
    // Emax = 0 leaves the required wettedness undefined: a division-by-zero fault of this step.
    double wreq = divide("wreq = Ereq/Emax", Ereq, out.Emax);
    if (wreq < 0)
        wreq = 0;

    for (const SweatCriterion criterion : kSweatCriteria) {
        const SweatLimit &limit = sweatLimits[criterion];
        out.criteria[criterion] = PredictedSweatCriterion({
            .requiredWettedness = wreq,
            .maximalEvaporation = out.Emax,
            .maximalWettedness = limit.wmax,
            .maximalSweatRate = M < kWorkingMetabolism ? limit.SWmaxRest : limit.SWmaxWork,
            .maximalHeatStorage = limit.Qmax,
            .maximalWaterLoss = limit.Dmax,
        });
    }

    out.E = checked("E", out.criteria[SweatCriterion::AlarmNonAcclimatized].wp * out.Emax);
    out.Ac = checked("Ac", M - out.R - out.C - out.E - out.Cres - out.Eres);
    return out;
}

} // namespace kalvora::engine
