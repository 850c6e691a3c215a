#pragma once
// Readings of the heat-balance terms that several views share.

#include "method_results.h"

namespace kalvora::model {

/// The body is in heat balance when its heat storage rate is practically zero: |A| below
/// 0.001 W/m². A body that loses heat (A well below zero) is not in balance any more than one
/// that gains it.
bool InThermalBalance(double A);

/// Evaporation rate under the alarm criterion for non-acclimatized subjects, W/m²: the
/// required skin wettedness times the maximal evaporation.
double EvaporationRateNaa(const MethodResults &results);

} // namespace kalvora::model
