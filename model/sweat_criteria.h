#pragma once
// The required sweat rate per criterion: the five stored quantities of each criterion (the
// record's fields wpnaa … DLEap, read here and nowhere else by criterion) and the two quantities
// the results show that follow from them.

#include "method_results.h"

#include <array>

namespace kalvora::model {

/// The four criteria of the required sweat rate, in the record's suffix order.
enum class SweatCriterion {
    naa, ///< alarm, non-acclimatized
    nap, ///< danger, non-acclimatized
    aa, ///< alarm, acclimatized
    ap, ///< danger, acclimatized
};
inline constexpr std::array<SweatCriterion, 4> kSweatCriteria { SweatCriterion::naa,
    SweatCriterion::nap, SweatCriterion::aa, SweatCriterion::ap };

struct SweatCriterionValues
{
    double wp; ///< required skin wettedness, -
    double rp; ///< evaporative efficiency of sweating, -
    double SWp; ///< sweat rate, W/m²
    double Dmax; ///< maximal water loss, W·h/m²
    double DLE; ///< allowable exposure time, min; −1 not limited
    double Ep; ///< evaporation rate wp·EmaxSW, W/m²
    double D; ///< water loss, g/h
};

SweatCriterionValues sweatCriterion(const MethodResults &results, SweatCriterion criterion);

} // namespace kalvora::model
