#pragma once
// Where the method views put their arrows and markers, in twips (1/1440 inch) of the window,
// vertical axis downwards. Each view lays out its scale labels at fixed twips positions; these
// maps put the arrow or marker level with the label that a result belongs to.

#include <array>

namespace kalvora::model {

/// Top of the PMV arrow for a vote IVM: scale step v faces 2700 − 420·v; a vote at or beyond
/// ±3 stands just past the end of the scale (1200 above +3, 4200 below −3).
double pmvArrowTop(double IVM);

/// The sensation scale step (−3…3) nearest to a vote, the one its arrow points at.
int pmvScaleStep(double IVM);

/// The HSI scale line: where the arrow's top stands for an index ISC (%), without the caps.
/// The scale's ticks (every 10 %) are 287 twips apart.
double hsiScaleTop(double ISC);
/// Top of the HSI arrow: hsiScaleTop inside (−25, 100), 2640 from 100 up, 6720 from −25 down.
double hsiArrowTop(double ISC);

/// The cold-sensation categories of the wind chill scale, warmest first.
enum class ColdCategory { calor, confort, Frio, mfrio, cortante, cong0, cong1, cong2 };
inline constexpr int kColdCategoryCount = 8;

/// The category of a chilling temperature tch (°C); the upper bound of each band belongs to it:
/// above 28, 21, 7, −18, −26, −42, −58, and −58 with everything below.
ColdCategory coldCategory(double tch);
/// Top of the wind chill arrow facing a category.
double coldArrowTop(ColdCategory category);

/// The IREQ clothing list: vertical position of the row for an insulation clo, piecewise
/// linear and steeper where neighbouring rows are closer in insulation; 6100 below 0.45 clo,
/// 840 above 3 clo.
double posI(double clo);

} // namespace kalvora::model
