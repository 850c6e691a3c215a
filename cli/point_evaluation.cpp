#include "point_evaluation.h"

namespace kalvora::cli {

model::EvaluationScope PointOutcome::scope() const
{
    return refused() ? model::EvaluationScope() : model::EvaluationScope(evaluation, given);
}

PointOutcome EvaluatePoint(const model::InputParameters &input, model::Language language)
{
    PointOutcome outcome;
    outcome.given = input;
    EvaluateGiven(outcome, language);
    return outcome;
}

void EvaluateGiven(PointOutcome &outcome, model::Language language)
{
    model::EvaluateAsHub(outcome.given, language, outcome);
}

} // namespace kalvora::cli
