#pragma once
// Whether an allowable exposure time of the record limits the exposure. Each method marks an
// unlimited exposure its own way, and every reader asks these functions instead of testing the
// marker itself:
//   heat stress index, TEP (min): 2440/(Ereq − Emax) is negative below Ereq = Emax and empty at
//     it; it is a limit only where ISC is above 100 %.
//   required sweat rate, DLEnaa … DLEap (min): the computation writes −1 for an exposure that is
//     not limited and a positive time otherwise; a time at or below 0.001 min counts as
//     unlimited too, as in the rating okSWreq.
//   required clothing insulation, DLE1 … DLE4 (h): −40/S, empty where the heat storage S is
//     exactly 0; with the resultant insulation of the clothing above the required one the body
//     is not cooled down and the time is no limit either.

#include <optional>

namespace kalvora::model {

/// The value the sweat-rate computation writes for an exposure that is not limited, min.
inline constexpr double kUnlimitedSweatExposure = -1;
/// Sweat-rate exposure times at or below this are taken as unlimited, min.
inline constexpr double kNegligibleSweatExposure = 0.001;

/// Heat stress index: TEP limits the exposure only where ISC (%) is above 100 and TEP is defined.
bool isHeatStressExposureLimited(double ISC, const std::optional<double> &TEP);

/// Required sweat rate: whether an allowable exposure time DLE (min) limits the exposure.
bool isSweatExposureLimited(double DLE);

/// Required clothing insulation: whether the duration-limited exposure DLE (h) of a case limits
/// the exposure, given the resultant insulation of the clothing Iclr and the insulation IREQ the
/// case requires (both clo).
bool isInsulationExposureLimited(const std::optional<double> &DLE, double Iclr, double IREQ);

} // namespace kalvora::model
