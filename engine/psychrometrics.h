#pragma once
// Quantities shared by every method, derived from the raw inputs before any method runs:
// relative air velocity, clothing area factor, mean radiant temperature from a 0.15 m globe,
// operative temperature and the humidity triple. Temperatures °C (absolute = t + 273),
// pressures kPa, velocities m/s, metabolic power W/m², insulation clo. ISO 7726 / ISO 7730.

namespace kalvora::engine {

/// Saturation vapour pressure over water at t [°C], kPa: exp(18.956 − 4030.18/(t + 235)) hPa / 10.
double SaturationPressure(double t);

/// Relative air velocity [m/s] of a body moving with metabolic power M [W/m²] in air at va [m/s];
/// a result not above 0 is replaced by 0.0001 m/s.
double RelativeAirVelocity(double va, double M);

/// Clothing area factor fcl [-] of a clothing insulation Icl [clo] (ISO 7730).
double ClothingAreaFactor(double Icl);

/// Mean radiant temperature [°C] from a standard globe (0.15 m, emissivity 0.95) reading tg [°C]
/// in air at ta [°C] moving at va [m/s] (ISO 7726): forced convection from va = 0.15 m/s up.
double MeanRadiantFromGlobe(double va, double ta, double tg);

/// Operative temperature [°C] weighting air and mean radiant temperature by the relative air
/// velocity var [m/s]; above 1 m/s the air temperature alone.
double OperativeTemperature(double var, double ta, double TRM);

struct Humidity
{
    double Hrel; ///< relative humidity, %
    double pvap; ///< partial pressure of water vapour, kPa
    double ttbh; ///< psychrometric wet-bulb temperature, °C
};

/// The humidity triple from the one member the user gave: relative humidity HR [%] when
/// rhGiven, else the wet-bulb temperature tw [°C] when wetBulbGiven, else the vapour pressure
/// pa [kPa]; ta [°C] is the air temperature.
Humidity ComputeHumidity(
    double HR, double pa, double tw, double ta, bool rhGiven, bool wetBulbGiven);

/// Psychrometric wet-bulb temperature [°C] of air at ta [°C] holding vapour at p [kPa]: Newton on
/// the psychrometer equation in hPa (coefficient 0.667 hPa/K), from t = ta, step tolerance 1e-7.
double WetBulbTemperature(double ta, double p);

} // namespace kalvora::engine
