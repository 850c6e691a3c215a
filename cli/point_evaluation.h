#pragma once
// One measurement point evaluated the way the desktop loads its hub: the loading step's refusal
// rules first, then the evaluation, with PMV switched off when its inputs leave its range.

#include "model/evaluation.h"
#include "model/hub_evaluation.h"
#include "model/input_parameters.h"
#include "model/language.h"
#include "model/method_results.h"
#include "model/presentation/result_catalogue.h"

#include <string>
#include <vector>

namespace kalvora::cli {

/// The hub's evaluation of the inputs as stated.
struct PointOutcome : model::HubEvaluation
{
    model::InputParameters given; ///< the inputs as stated

    /// Which values of the record are of this outcome's evaluation: none after a refusal.
    model::EvaluationScope scope() const;
};

PointOutcome EvaluatePoint(const model::InputParameters &input, model::Language language);

/// Evaluates outcome.given into outcome, reusing the storage the outcome already holds; a batch
/// evaluates its rows one after another through one outcome.
void EvaluateGiven(PointOutcome &outcome, model::Language language);

} // namespace kalvora::cli
