#pragma once
// One evaluation, as the hub performs it when it loads: shared values, every selected method in
// flag order with the PMV application-range check, the ratings. The desktop hub and the command
// line both call this; neither computes anything itself.

#include "engine/fault.h"
#include "input_parameters.h"
#include "language.h"
#include "method_results.h"

#include <array>
#include <optional>
#include <string>

namespace kalvora::model {

/// Where an evaluation stopped: the method (empty for an input or a shared value), the step
/// (a formula's symbol, or the field name of an input beyond the range of a double) and the kind.
struct EvaluationFault
{
    std::optional<Method> method;
    std::string step;
    engine::FaultKind kind;
};

struct Evaluation
{
    std::array<bool, kMethodCount> ran {}; ///< methods that ran to the end
    bool pmvOutOfRange = false; ///< PMV selected but outside its range: the caller switches it off
    std::optional<EvaluationFault> fault; ///< set when an arithmetic fault ended the evaluation
};

/// Runs one evaluation over input, writing into results what it computes (results keeps, as the
/// record does, what this evaluation does not overwrite) and rating all six methods; after a
/// fault only the methods that ran to the end are rated. input is not changed: when PMV is out
/// of range the caller clears its flag and shows pmvRangeMessage.
Evaluation Evaluate(const InputParameters &input, MethodResults &results);

std::string pmvRangeTitle(Language language);
std::string pmvRangeMessage(Language language);

/// The message that reports a fault to the user, naming the method and the step.
std::string faultMessage(const EvaluationFault &fault, Language language);
std::string faultTitle(Language language);

/// Short name of a method in the chosen language (IVM / PMV, ISC / HSI, WBGT, SWreq, IVF / WCI,
/// IREQ).
std::string methodName(Method method, Language language);

} // namespace kalvora::model
