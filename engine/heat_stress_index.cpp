#include "heat_stress_index.h"

#include "fault.h"

#include <cmath>

namespace kalvora::engine {

namespace {

struct Coefficients
{
    double Kc; // convection, W/(m²·K) at 1 m/s
    double Kr; // radiation, W/(m²·K)
    double Ke; // evaporation, W/(m²·hPa) at 1 m/s
};

constexpr Coefficients kNude { 7.6, 7.3, 11.7 };
constexpr Coefficients kClothed { 4.6, 4.4, 7.0 };

// Most sweat a person can evaporate over a shift, W/m².
constexpr double kEmaxCap = 390.0;

} // namespace

HeatStress HeatStressIndex(const Exchange &in)
{
    const double M = in.metabolicRate;
    const double Icl = in.clothingInsulation;
    const double ta = in.airTemperature;
    const double tr = in.meanRadiantTemperature;
    const double pa = in.vapourPressure;
    const double va = in.airVelocity;
    // Still air is given a small draught of 0.01 m/s.
    const double v = std::fabs(va) < 0.0001 ? 0.01 : std::fabs(va);
    const Coefficients k = Icl == 0.0 ? kNude : kClothed;
    const double v06 = checked("|va|^0.6", std::pow(v, 0.6));

    HeatStress h {};
    h.C = checked("C = Kc·|va|^0.6·(35 − ta)", k.Kc * v06 * (35.0 - ta));
    h.R = checked("R = Kr·(35 − tr)", k.Kr * (35.0 - tr));
    // 56 hPa: vapour pressure of skin at 35 °C; 10·pa: the air's, hPa.
    const double Emax = checked("Emax = Ke·|va|^0.6·(56 − 10·pa)", k.Ke * v06 * (56.0 - 10.0 * pa));
    h.Emax = Emax > kEmaxCap ? kEmaxCap : Emax;
    h.Ereq = checked("Ereq = M − R − C", M - h.R - h.C);
    // Emax = 0 (pa = 5.6 kPa): the index has no value, so the evaluation faults here.
    h.ISC = divide("ISC = 100·Ereq/Emax", 100.0 * h.Ereq, h.Emax);
    const double excess = checked("Ereq − Emax", h.Ereq - h.Emax);
    // 2440 W·min/m²: the heat the body may store. Ereq = Emax: no finite limit; left empty,
    // which readers treat as unlimited.
    if (excess != 0.0)
        h.TEP = divide("TEP = 2440/(Ereq − Emax)", 2440.0, excess);
    h.E = h.Ereq >= h.Emax ? h.Emax : h.Ereq >= 0.0 ? h.Ereq : 0.0;
    h.Ac = checked("Ac = M − R − C − E", M - h.R - h.C - h.E);
    return h;
}

} // namespace kalvora::engine
