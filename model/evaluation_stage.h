#pragma once
// Pieces shared by the evaluation and the air-velocity sweep (not part of the model's interface):
// reading an input that the computation uses, and running one stage under the fault guard.

#include "engine/fault.h"
#include "evaluation.h"
#include "input_parameters.h"

#include <cmath>
#include <optional>

namespace kalvora::model::detail {

/// A field whose text reads as a number beyond the range of a double.
struct InputOverflow
{
    Field field;
};

/// The value of a field the computation is about to use; an infinite one ends the computation.
inline double used(const InputParameters &input, Field field)
{
    const double value = input.value(field);
    if (!std::isfinite(value)) [[unlikely]]
        throw InputOverflow { field };
    return value;
}

/// Runs stage; an arithmetic fault inside it (or an input beyond range) is returned as the fault
/// of method (empty for the shared values), and nothing after the faulting step is computed.
template <class Stage>
std::optional<EvaluationFault> guarded(std::optional<Method> method, Stage &&stage)
{
    try {
        stage();
        return std::nullopt;
    } catch (const engine::ArithmeticFault &fault) {
        return EvaluationFault { method, fault.step(), fault.kind() };
    } catch (const InputOverflow &overflow) {
        return EvaluationFault { std::nullopt, InputParameters::name(overflow.field),
            engine::FaultKind::Overflow };
    }
}

} // namespace kalvora::model::detail
