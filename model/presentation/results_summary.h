#pragma once
// What a method's row of the results summary shows: the result line, or that the method is not
// selected, or that the evaluation stopped on a fault before it finished; and beside the line, the
// rating light.

#include "model/input_parameters.h"
#include "model/method_results.h"
#include "result_catalogue.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kalvora::model {

enum class SummaryStanding {
    NotSelected, ///< not ticked now, or not part of the last evaluation
    Stopped, ///< ticked, but a fault stopped the evaluation before it finished: no values
    Shown, ///< ticked and finished: its values are of the last evaluation
};

SummaryStanding summaryStanding(
    Method method, const InputParameters &input, const EvaluationScope &scope);

/// The methods whose rows show values (SummaryStanding::Shown), by flag.
using ShownMethods = std::array<bool, kMethodCount>;
ShownMethods shownMethods(const InputParameters &input, const EvaluationScope &scope);

/// The rating shown in a method's row: the method's rating, except for SWreq, whose light follows
/// the non-acclimatized exposure limit of the line beside it: green when the exposure is not
/// limited (DLEnaa at or below 0.001 min), else orange for rating 1 and red otherwise. Empty
/// where the row shows no values (the method did not finish in the last evaluation).
std::optional<std::int16_t> summaryRating(Method method, const InputParameters &input,
    const EvaluationScope &scope, const MethodResults &results);

} // namespace kalvora::model
