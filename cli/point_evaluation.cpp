#include "point_evaluation.h"

#include "model/loading_rules.h"

namespace kalvora::cli {

using model::Method;

namespace {

/// The PMV range message in each language, built once.
const std::string &pmvRangeText(model::Language language)
{
    static const std::string texts[] = { model::pmvRangeMessage(model::Language::Spanish),
        model::pmvRangeMessage(model::Language::English) };
    return texts[language == model::Language::English ? 1 : 0];
}

} // namespace

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
    outcome.input = outcome.given;
    outcome.refusals = model::RefusalTexts(outcome.given, language);
    outcome.evaluation = {};
    outcome.results = {};
    outcome.messages.clear();
    outcome.faultText.clear();
    if (outcome.refused())
        return;
    outcome.evaluation = model::Evaluate(outcome.given, outcome.results);
    if (outcome.evaluation.pmvOutOfRange) {
        outcome.input.setMethod(Method::Pmv, false);
        outcome.messages.push_back(pmvRangeText(language));
    }
    if (outcome.evaluation.fault) {
        outcome.faultText = model::faultMessage(*outcome.evaluation.fault, language);
        outcome.messages.push_back(outcome.faultText);
    }
}

} // namespace kalvora::cli
