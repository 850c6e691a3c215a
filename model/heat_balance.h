#pragma once
// The one rule of heat balance that every reading of a balance follows.

namespace kalvora::model {

/// The body is in heat balance when its heat storage rate A (W/m²) is practically zero: |A|
/// below 0.001 W/m². A body that loses heat (A well below zero) is not in balance any more than
/// one that gains it.
bool InThermalBalance(double A);

} // namespace kalvora::model
