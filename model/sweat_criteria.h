#pragma once
// The required sweat rate per criterion, as the results show it: the stored skin wettedness,
// sweat rate and allowable exposure, and the two quantities that follow from them.

#include "engine/required_sweat_rate.h"
#include "method_results.h"

namespace kalvora::model {

using engine::kSweatCriteria;
using engine::SweatCriterion;

/// The record's fields of one criterion, suffixes naa, nap, aa and ap in the order of
/// SweatCriterion.
struct SweatCriterionFields
{
    using Field = double MethodResults::*;
    Field wp; ///< predicted skin wettedness, -
    Field rp; ///< evaporative efficiency of sweating, -
    Field SWp; ///< predicted sweat rate, W/m²
    Field Dmax; ///< the criterion's maximal water loss, W·h/m²
    Field DLE; ///< allowable exposure time, min; −1 not limited
};

const SweatCriterionFields &sweatCriterionFields(SweatCriterion criterion);

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
