#pragma once
// One measurement point evaluated the way the hub does it after LOAD VALUES: the loading step's
// refusal rules first, then the evaluation, with PMV switched off when its inputs leave its
// application range and the messages the desktop shows, in order. The survey window and the
// command line evaluate points through this one function.

#include "evaluation.h"
#include "input_parameters.h"
#include "language.h"
#include "method_results.h"

#include <string>
#include <vector>

namespace kalvora::model {

struct HubEvaluation
{
    std::vector<std::string> refusals; ///< texts of the broken loading rules; nothing ran if any
    Evaluation evaluation;
    MethodResults results; ///< a fresh record: only this evaluation's values
    std::vector<std::string> messages; ///< what the desktop shows, in order
    std::string faultText; ///< the fault's message, when a fault ended the evaluation

    bool refused() const { return !refusals.empty(); }

    /// The inputs as the hub holds them after this evaluation of given: PMV's box cleared when
    /// PMV's inputs were outside its application range. Derived rather than kept, so that a run
    /// of many points does not copy every point's inputs.
    InputParameters inputsAfter(const InputParameters &given) const;
};

/// Evaluates given into into, reusing the storage it already holds (a long run evaluates point
/// after point through one HubEvaluation).
void EvaluateAsHub(const InputParameters &given, Language language, HubEvaluation &into);

HubEvaluation EvaluateAsHub(const InputParameters &given, Language language);

} // namespace kalvora::model
