#pragma once
// What the results summary shows beside each method's result line: the rating light of the row.

#include "model/input_parameters.h"
#include "model/method_results.h"

#include <cstdint>

namespace kalvora::model {

/// The rating shown in a method's row: the method's rating, except for SWreq, whose light follows
/// the non-acclimatized exposure limit of the line beside it: green when the exposure is not
/// limited (DLEnaa at or below 0.001 min), else orange for rating 1 and red otherwise.
std::int16_t summaryRating(Method method, const MethodResults &results);

} // namespace kalvora::model
