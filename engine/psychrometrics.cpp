#include "psychrometrics.h"

#include "fault.h"
#include "rounded_power.h"

#include <cmath>

namespace kalvora::engine {

namespace {

// Magnus-type fit over water, hPa; the psychrometer equation below is written in hPa.
double saturationHpa(double t)
{
    const double exponent = divide("4030.18/(t + 235)", 4030.18, t + 235.0);
    return checked("ps = exp(18.956 − 4030.18/(t + 235))", std::exp(18.956 - exponent));
}

// Psychrometer coefficient of a ventilated wet bulb, hPa/K.
constexpr double kPsychrometer = 0.667;

// Step tolerance of the wet-bulb Newton iteration, °C.
constexpr double kWetBulbTolerance = 1e-7;

} // namespace

double SaturationPressure(double t)
{
    return saturationHpa(t) / 10.0;
}

double RelativeAirVelocity(const MovingBody &in)
{
    const double va = in.airVelocity;
    const double M = in.metabolicRate;
    // 0.0052 m/s per W/m² of activity above rest (58 W/m²): the body's own movement.
    const double var = checked("var = va + 0.0052·(M − 58)", va + 0.0052 * (M - 58.0));
    return var > 0.0 ? var : 0.0001;
}

double ClothingAreaFactor(double Icl)
{
    return checked("fcl", Icl < 0.5 ? 1.0 + 0.2 * Icl : 1.05 + 0.1 * Icl);
}

double MeanRadiantFromGlobe(const GlobeReading &in)
{
    const double va = in.airVelocity;
    const double ta = in.airTemperature;
    const double tg = in.globeTemperature;
    const double globe4 = checked("(tg + 273)^4", roundedFourthPower(tg + 273.0));
    // Convective exchange of the globe: forced from 0.15 m/s up, natural below (needs tg ≥ ta).
    const double convection = va >= 0.15
        ? checked("2.5·10^8·va^0.6·(tg − ta)", 2.5e8 * std::pow(va, 0.6) * (tg - ta))
        : checked("0.42·10^8·(tg − ta)^1.25", 0.42e8 * std::pow(tg - ta, 1.25));
    return checked("TRM", roundedFourthRoot(checked("(TRM + 273)^4", globe4 + convection)) - 273.0);
}

double OperativeTemperature(const OperativeConditions &in)
{
    const double var = in.relativeAirVelocity;
    const double ta = in.airTemperature;
    const double TRM = in.meanRadiantTemperature;
    if (var > 1.0)
        return ta;
    const double A = var < 0.2 ? 0.5 : var < 0.6 ? 0.6 : 0.7;
    return checked("to = A·ta + (1 − A)·TRM", A * ta + (1.0 - A) * TRM);
}

Humidity ComputeHumidity(const HumidityReading &in)
{
    const double ta = in.airTemperature;
    switch (in.measure) {
    case HumidityMeasure::RelativeHumidity: {
        const double HR = in.value;
        const double pvap = checked("pa = HR·ps(ta)/100", HR * SaturationPressure(ta) / 100.0);
        return { HR, pvap, WetBulbTemperature({ .airTemperature = ta, .vapourPressure = pvap }) };
    }
    case HumidityMeasure::WetBulbTemperature: {
        const double tw = in.value;
        const double pvap = checked("pa = [ps(tw) − 0.667·(ta − tw)]/10",
            (saturationHpa(tw) - kPsychrometer * (ta - tw)) / 10.0);
        return { divide("HR = 100·pa/ps(ta)", 100.0 * pvap, SaturationPressure(ta)), pvap, tw };
    }
    case HumidityMeasure::VapourPressure:
        break;
    }
    // The vapour pressure given.
    const double pa = in.value;
    return { divide("HR = 100·pa/ps(ta)", 100.0 * pa, SaturationPressure(ta)), pa,
        WetBulbTemperature({ .airTemperature = ta, .vapourPressure = pa }) };
}

double WetBulbTemperature(const MoistAir &in)
{
    const double ta = in.airTemperature;
    const double p = in.vapourPressure;
    const double target = checked("10·pa", 10.0 * p);
    double t = ta;
    // Newton converges in a handful of steps for any humidity the form admits; the bound only
    // stops a runaway far outside it.
    for (int i = 0; i < kMaxIterations; ++i) {
        const double E = saturationHpa(t);
        const double F = checked(
            "F(tw) = ps(tw) − 0.667·(ta − tw) − 10·pa", E - kPsychrometer * (ta - t) - target);
        const double slope = divide("dps/dtw", E * 4030.18, (t + 235.0) * (t + 235.0));
        const double next = checked("tw", t - divide("F/F'", F, slope + kPsychrometer));
        if (std::fabs(next - t) <= kWetBulbTolerance)
            return next;
        t = next;
    }
    notConverged("tw");
}

} // namespace kalvora::engine
