#include "required_insulation.h"

#include "fault.h"
#include "radiative_exchange.h"

#include <cmath>

namespace kalvora::engine {

namespace {

// σ·ε·Ar/Adu: Stefan–Boltzmann constant, clothing emissivity 0.95, radiating fraction 0.77.
constexpr double kSigmaEpsilonA = 1e-8 * 5.67 * 0.95 * 0.77;

// Newton bound: converging inputs settle in under ten steps; in warm air the two-dimensional
// iteration can wander for thousands of steps, and such a run is a fault, not a number.
constexpr int kNewtonBound = 200;

// Body heat loss that ends a duration-limited exposure, W·h/m².
constexpr double kStoredHeatLimit = 40;

// Saturation vapour pressure of this method, kPa: Antoine equation in mmHg times 0.1333 kPa/mmHg.
double vapourPressure(double t)
{
    const double exponent
        = checked("P(t)", 18.6886 - divide("P(t)", 4030.183, checked("P(t)", t + 235)));
    return checked("P(t)", 0.1333 * std::exp(exponent));
}

// Clothing area factor of this method, -; I in clo.
double areaFactor(double I)
{
    return checked("f(I)", 1 + 0.30535 * I);
}

// Skin temperature [°C], wettedness [-] and skin-to-air vapour pressure difference [kPa] of
// one set of physiological criteria, minimal or neutral.
struct Criterion
{
    double tsk;
    double w;
    double dp;
};

struct Surroundings
{
    double ta; ///< air temperature, °C
    double tr; ///< mean radiant temperature, °C
    double hc; ///< convective coefficient, W/(m²·K)
    double L; ///< heat to be lost through the skin, W/m²
};

// (x + 273)⁴ − (tr + 273)⁴, K⁴.
double exchange(const Surroundings &s, double x)
{
    return checked("(x+273)^4 - (tr+273)^4", fourthPower(x + 273) - fourthPower(s.tr + 273));
}

// Radiation from a clothing surface at x [°C] with area factor f, W/m².
double radiation(const Surroundings &s, double x, double f)
{
    return checked("R", kSigmaEpsilonA * f * exchange(s, x));
}

// ∂R/∂x, W/(m²·K).
double radiationSlope(double x, double f)
{
    return checked("dR/dx", 4 * kSigmaEpsilonA * f * (x + 273) * (x + 273) * (x + 273));
}

double convection(const Surroundings &s, double x, double f)
{
    return checked("C", f * s.hc * (x - s.ta));
}

// Combined coefficient h = (hr + hc)·f, W/(m²·K).
double combinedCoefficient(double hr, double hc, double f)
{
    return checked("h", (hr + hc) * f);
}

// A = 1/h + 0.155·I: surface and clothing resistance to heat flow, m²·K/W (I in clo).
double resistance(double h, double I)
{
    return checked("A = 1/h + 0.155 I", divide("1/h", 1, h) + 0.155 * I);
}

// Evaporation from the skin through a resistance A, W/m².
double evaporation(const Criterion &j, double A)
{
    return divide("E", checked("E", j.w * j.dp), checked("E", 0.16 * A));
}

struct SurfaceAndInsulation
{
    double x; ///< clothing surface temperature, °C
    double y; ///< insulation, clo, before a negative value is replaced by 0
    double h; ///< combined coefficient of the last iteration, at its iterate before the update
};

// Newton's method with exact partial derivatives on F1 = (L − E)·0.155·y − (tsk − x) (conduction
// through the clothing) and F2 = L − E − R − C (loss from its surface), from x = ta + 15, y = 0.
SurfaceAndInsulation solveRequiredInsulation(const Surroundings &s, const Criterion &j)
{
    double x = checked("x", s.ta + 15);
    double y = 0;
    double dx = 1;
    double dy = 1;
    double h = 0;
    const double K = checked("w dp/0.16", j.w * j.dp / 0.16);
    for (int iteration = 0; !(std::fabs(dx) <= 1e-5 || std::fabs(dy) <= 1e-4); ++iteration) {
        if (iteration == kNewtonBound)
            notConverged("IREQ Newton (x, y)");
        const double f = areaFactor(y);
        const double hr = radiativeCoefficient(
            kSigmaEpsilonA, { .surfaceTemperature = x, .meanRadiantTemperature = s.tr });
        h = combinedCoefficient(hr, s.hc, f);
        const double A = resistance(h, y);
        const double E = evaporation(j, A);
        const double F1 = checked("F1", (s.L - E) * 0.155 * y - (j.tsk - x));
        const double F2 = checked("F2", s.L - E - radiation(s, x, f) - convection(s, x, f));

        const double dhdx = radiativeCoefficientSlope(
            f * kSigmaEpsilonA, { .surfaceTemperature = x, .meanRadiantTemperature = s.tr });
        const double dhdy = checked("dh/dy", 0.30535 * (hr + s.hc));
        const double h2 = checked("h^2", h * h);
        const double A2 = checked("A^2", A * A);
        const double Ex = divide("dE/dx", divide("dE/dx", -dhdx, h2) * K, A2);
        const double Ey
            = divide("dE/dy", checked("dE/dy", 0.155 - divide("dE/dy", dhdy, h2)) * K, A2);
        const double J11 = checked("J11", 1 + 0.155 * y * Ex);
        const double J12 = checked("J12", 0.155 * (s.L - E) + 0.155 * y * Ey);
        const double J21 = checked("J21", Ex - radiationSlope(x, f) - f * s.hc);
        const double J22 = checked(
            "J22", Ey - 0.30535 * kSigmaEpsilonA * exchange(s, x) - 0.30535 * s.hc * (x - s.ta));

        dx = divide("IREQ Newton (x, y)", checked("dx", F2 * J12 - F1 * J22),
            checked("det", J22 * J11 - J12 * J21));
        dy = divide("IREQ Newton (x, y)", checked("dy", F1 * J21 - F2 * J11),
            checked("det", J11 * J22 - J21 * J12));
        x = checked("x", x + dx);
        y = checked("y", y + dy);
    }
    return { x, y, h };
}

// Clothing surface temperature [°C] of insulation I by Newton's method on the conduction balance
// G(x) = 0.155·I·(R + C) + (x − tsk), from x = ta + 15.
double solveSurfaceTemperature(const Surroundings &s, const Criterion &j, double I, double f)
{
    double x = checked("x", s.ta + 15);
    double step = 1;
    for (int iteration = 0; std::fabs(step) > 1e-5; ++iteration) {
        if (iteration == kNewtonBound)
            notConverged("tcl Newton");
        const double G
            = checked("G", 0.155 * I * (radiation(s, x, f) + convection(s, x, f)) + (x - j.tsk));
        const double slope = checked("G'", 0.155 * I * (radiationSlope(x, f) + f * s.hc) + 1);
        step = -divide("tcl Newton", G, slope);
        x = checked("x", x + step);
    }
    return x;
}

// The balance of a clothing radiating R and convecting C from its surface while the skin
// evaporates E: the storage rate S and the exposure that loses 40 W·h/m².
InsulationBalance balanceOf(const Surroundings &s, double R, double C, double E)
{
    const double S = checked("S", s.L - R - C - E);
    // S exactly 0: no net heat loss, the exposure is unlimited.
    return { R, C, E, S,
        S == 0 ? std::nullopt : std::optional(divide("DLE = -40/S", -kStoredHeatLimit, S)) };
}

// The insulation one set of criteria requires and the balance at it.
struct RequiredClothing
{
    double IREQ; // clo
    InsulationBalance balance;
};

RequiredClothing requiredClothing(const Surroundings &s, const Criterion &j)
{
    const SurfaceAndInsulation solution = solveRequiredInsulation(s, j);
    const double y = solution.y < 0 ? 0 : solution.y;
    const double f = areaFactor(y);
    return { y,
        balanceOf(s, radiation(s, solution.x, f), convection(s, solution.x, f),
            evaporation(j, resistance(solution.h, y))) };
}

// The surface temperature and the balance of the clothing worn, insulation I with area factor f,
// under one set of criteria.
struct WornClothing
{
    double tcl; // °C
    InsulationBalance balance;
};

WornClothing wornClothing(const Surroundings &s, const Criterion &j, double I, double f)
{
    const double x = solveSurfaceTemperature(s, j, I, f);
    const double hr = radiativeCoefficient(
        kSigmaEpsilonA, { .surfaceTemperature = x, .meanRadiantTemperature = s.tr });
    const double E = evaporation(j, resistance(combinedCoefficient(hr, s.hc, f), I));
    return { x, balanceOf(s, radiation(s, x, f), convection(s, x, f), E) };
}

// What every balance of one exchange shares: the surroundings, both sets of criteria and the
// respiratory and convective terms.
struct Setting
{
    Surroundings s;
    Criterion minimal;
    Criterion neutral;
    double Cres;
    double Eres;
    double hc;
};

Setting settingOf(const Exchange &in)
{
    const double M = in.metabolicRate;
    const double ta = in.airTemperature;
    const double pa = in.vapourPressure;
    const double va = in.airVelocity;

    // Expired air: temperature and saturation pressure.
    const double tex = checked("tex", 29 + 0.2 * ta);
    const double pex = vapourPressure(tex);

    const double tskNeutral = checked("tsk", 35.7 - 0.0285 * M);
    const Criterion minimal { 30, 0.06, checked("psk - pa", vapourPressure(30) - pa) };
    const Criterion neutral { tskNeutral, checked("w", 0.001 * M),
        checked("psk - pa", vapourPressure(tskNeutral) - pa) };

    const double Cres = checked("Cres", 0.0014 * M * (tex - ta));
    const double Eres = checked("Eres", 0.0173 * M * checked("pex - pa", pex - pa));

    // Relative air velocity of this method: the walking term is bounded at ±0.7 m/s.
    const double d = checked("d", 0.0052 * (M - 58));
    const double v = checked("v", std::fabs(d) >= 0.7 ? va + 0.7 : va + d);
    const double hc = v > 1 ? checked("hc", 8.7 * std::pow(v, 0.6)) : checked("hc", 3.5 + 5.2 * v);

    return { { ta, in.meanRadiantTemperature, hc, checked("L", M - Eres - Cres) }, minimal, neutral,
        Cres, Eres, hc };
}

} // namespace

RequiredInsulationResult RequiredInsulation(const Exchange &in)
{
    const double Icl = in.clothingInsulation;
    const double tr = in.meanRadiantTemperature;
    const Setting setting = settingOf(in);
    const Surroundings &s = setting.s;
    RequiredInsulationResult out {};
    out.Cres = setting.Cres;
    out.Eres = setting.Eres;
    out.hc = setting.hc;

    const RequiredClothing requiredMinimal = requiredClothing(s, setting.minimal);
    const RequiredClothing requiredNeutral = requiredClothing(s, setting.neutral);
    const double f = areaFactor(Icl);
    const WornClothing wornMinimal = wornClothing(s, setting.minimal, Icl, f);
    const WornClothing wornNeutral = wornClothing(s, setting.neutral, Icl, f);
    out.minimal = { requiredMinimal.IREQ, requiredMinimal.balance, wornMinimal.balance };
    out.neutral = { requiredNeutral.IREQ, requiredNeutral.balance, wornNeutral.balance };
    out.tcl = wornMinimal.tcl;

    // hr = R/[(tcl − tr)·f]; at tcl = tr the 0/0 takes its limit, the coefficient at tcl itself.
    out.hr = out.tcl == tr
        ? radiativeCoefficient(
            kSigmaEpsilonA, { .surfaceTemperature = out.tcl, .meanRadiantTemperature = tr })
        : divide("hr", wornMinimal.balance.R, checked("(tcl - tr) f", (out.tcl - tr) * f));
    return out;
}

RequiredInsulationLevels RequiredInsulationOnly(const Exchange &in)
{
    const Setting setting = settingOf(in);
    return { requiredClothing(setting.s, setting.minimal).IREQ,
        requiredClothing(setting.s, setting.neutral).IREQ };
}

} // namespace kalvora::engine
