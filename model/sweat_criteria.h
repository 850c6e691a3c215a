#pragma once
// The required sweat rate per criterion, as the results show it: the stored skin wettedness,
// sweat rate and allowable exposure, and the two quantities that follow from them.

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
    double Ep; ///< evaporation rate wp·EmaxSW, W/m²
    double SWp; ///< sweat rate, W/m²
    double D; ///< water loss, g/h
    double DLE; ///< allowable exposure time, min; −1 not limited
};

SweatCriterionValues sweatCriterion(const MethodResults &results, SweatCriterion criterion);

} // namespace kalvora::model
