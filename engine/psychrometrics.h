#pragma once
// Quantities shared by every method, derived from the raw inputs before any method runs:
// relative air velocity, clothing area factor, mean radiant temperature from a 0.15 m globe,
// operative temperature and the humidity triple. Temperatures °C (absolute = t + 273),
// pressures kPa, velocities m/s, metabolic power W/m², insulation clo. ISO 7726 / ISO 7730.

namespace kalvora::engine {

/// Saturation vapour pressure over water at t [°C], kPa: exp(18.956 − 4030.18/(t + 235)) hPa / 10
/// (ISO 7726).
double SaturationPressure(double t);

struct MovingBody
{
    double airVelocity; ///< va, measured air velocity, m/s
    double metabolicRate; ///< M, W/m²
};

/// Relative air velocity [m/s] of a body whose activity adds its own movement to the air's
/// (ISO 7730); a result not above 0 is replaced by 0.0001 m/s.
double RelativeAirVelocity(const MovingBody &in);

/// Clothing area factor fcl [-] of a clothing insulation Icl [clo] (ISO 7730).
double ClothingAreaFactor(double Icl);

struct GlobeReading
{
    double airVelocity; ///< va, measured air velocity, m/s
    double airTemperature; ///< ta, °C
    double globeTemperature; ///< tg, °C
};

/// Mean radiant temperature [°C] from a standard globe (0.15 m, emissivity 0.95) (ISO 7726):
/// forced convection from va = 0.15 m/s up, natural below.
double MeanRadiantFromGlobe(const GlobeReading &in);

struct OperativeConditions
{
    double relativeAirVelocity; ///< var, m/s
    double airTemperature; ///< ta, °C
    double meanRadiantTemperature; ///< tr, °C
};

/// Operative temperature [°C] weighting air and mean radiant temperature by the relative air
/// velocity (ISO 7726); above 1 m/s the air temperature alone.
double OperativeTemperature(const OperativeConditions &in);

struct Humidity
{
    double Hrel; ///< relative humidity, %
    double pvap; ///< partial pressure of water vapour, kPa
    double ttbh; ///< psychrometric wet-bulb temperature, °C
};

/// The member of the humidity triple the user gave.
enum class HumidityMeasure { RelativeHumidity, WetBulbTemperature, VapourPressure };

struct HumidityReading
{
    double airTemperature; ///< ta, °C
    HumidityMeasure measure;
    /// Relative humidity [%], psychrometric wet-bulb temperature [°C] or vapour pressure [kPa],
    /// as measure says.
    double value;
};

/// The humidity triple from the one member given; the other two follow from the saturation
/// pressure and the psychrometer equation (ISO 7726).
Humidity ComputeHumidity(const HumidityReading &in);

struct MoistAir
{
    double airTemperature; ///< ta, °C
    double vapourPressure; ///< pa, kPa
};

/// Psychrometric wet-bulb temperature [°C] (ISO 7726): Newton on the psychrometer equation in hPa
/// (coefficient 0.667 hPa/K), from t = ta, step tolerance 1e-7 °C.
double WetBulbTemperature(const MoistAir &in);

} // namespace kalvora::engine
