#pragma once
// The required sweat rate per criterion: the five stored quantities of each criterion (the
// record's fields wpnaa … DLEap, read here and nowhere else by criterion) and the two quantities
// the results show that follow from them.

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
    double rp; ///< evaporative efficiency of sweating, -
    double SWp; ///< sweat rate, W/m²
    double Dmax; ///< maximal water loss, W·h/m²
    double DLE; ///< allowable exposure time, min; −1 not limited
    double Ep; ///< evaporation rate wp·EmaxSW, W/m²
    double D; ///< water loss, g/h
};

SweatCriterionValues sweatCriterion(const MethodResults &results, SweatCriterion criterion);

} // namespace kalvora::model
