#pragma once
// The part of the walk where the verdicts are not green: a hot outdoor workplace and a cold one,
// with every method ticked, through every window the hub leads to.

#include "method_views_walk.h"

namespace kalvora::ui::test {

/// From the open hub, for a hot set (M 150 W/m², ta 35 °C, tg 50 °C, 0.5 clo, va 0.5 m/s, RH 40 %,
/// tnw 28 °C, outdoors, standing) and then a cold one (M 100 W/m², ta −10 °C, tg −10 °C, 1 clo,
/// va 1 m/s, RH 70 %, tnw −12 °C): back to the input form, the set typed and chosen, every method
/// ticked, LOAD VALUES, and a picture of the hub, of every method view it still offers, of the
/// summary and the ranges view it opens, of the sweep and of the report. Ends with the hub open.
void walkHotAndCold(Windows &windows, const WalkActions &walk);

} // namespace kalvora::ui::test
