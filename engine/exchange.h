#pragma once
// What the heat stress index, the required sweat rate and the required clothing insulation take
// from the worker and the workplace: one named set, filled at the call.

namespace kalvora::engine {

struct Exchange
{
    double metabolicRate; ///< M, W/m² of body surface; external work is zero
    double clothingInsulation; ///< Icl, clo: the clothing worn
    double airTemperature; ///< ta, °C
    double meanRadiantTemperature; ///< tr, °C
    double vapourPressure; ///< pa, partial pressure of water vapour, kPa
    double airVelocity; ///< va, m/s: the measured velocity, not the relative one
};

} // namespace kalvora::engine
