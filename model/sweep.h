#pragma once
// The air-velocity sweep: the selected methods recomputed for seventeen air velocities (the
// sixteen shown, 0.05 to 2.5 m/s, and 3.0 m/s computed as well), every other input as entered.

#include "evaluation.h"

#include <array>
#include <optional>

namespace kalvora::model {

inline constexpr int kSweepRowsComputed = 17;
inline constexpr int kSweepRowsShown = 16;

struct SweepRow
{
    double va = 0, var = 0, tr = 0;
    double IVM = 0, PPI = 0;
    double ISC = 0;
    std::optional<double> TEP;
    double WBGT = 0;
    double wp = 0, SWp = 0, DLEnaa = 0, DLEaa = 0, Ac = 0;
    double WCI = 0, tch = 0;
    double IREQmin = 0, IREQneut = 0;
    std::int16_t okIVM = 0, okISC = 0, okWBGT = 0, okSWreq = 0, okIVF = 0, okIreq = 0;
    std::int16_t code = 0; ///< row colour: the largest rating among the methods that take part
};

struct Sweep
{
    std::array<bool, kMethodCount> methods {}; ///< the methods that take part
    std::array<SweepRow, kSweepRowsShown> rows {};
    /// Set when an arithmetic fault (or an input beyond the range of a double) ended the sweep;
    /// the rows then hold what was computed before it, and no row code.
    std::optional<EvaluationFault> fault;
};

/// The swept air velocity of row i (0 … 16), m/s.
double sweptVelocity(int i);

/// Computes the sweep over the current inputs and the hub's results (pvap, fclo, TRM, var).
Sweep AirVelocitySweep(const InputParameters &input, const MethodResults &results);

} // namespace kalvora::model
