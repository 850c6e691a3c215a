#include "hub_evaluation.h"

#include "loading_rules.h"

namespace kalvora::model {

namespace {

/// The PMV range message in each language, built once: a long run repeats it often.
const std::string &pmvRangeText(Language language)
{
    static const std::string texts[]
        = { pmvRangeMessage(Language::Spanish), pmvRangeMessage(Language::English) };
    return texts[language == Language::English ? 1 : 0];
}

} // namespace

void EvaluateAsHub(const InputParameters &given, Language language, HubEvaluation &into)
{
    into.refusals = RefusalTexts(given, language);
    into.evaluation = {};
    into.results = {};
    into.messages.clear();
    into.faultText.clear();
    if (into.refused())
        return;
    into.evaluation = Evaluate(given, into.results);
    if (into.evaluation.pmvOutOfRange)
        into.messages.push_back(pmvRangeText(language));
    if (into.evaluation.fault) {
        into.faultText = faultMessage(*into.evaluation.fault, language);
        into.messages.push_back(into.faultText);
    }
}

InputParameters HubEvaluation::inputsAfter(const InputParameters &given) const
{
    InputParameters after = given;
    // As the hub does: the box is cleared, as if the user had cleared it.
    if (evaluation.pmvOutOfRange)
        after.setMethod(Method::Pmv, false);
    return after;
}

HubEvaluation EvaluateAsHub(const InputParameters &given, Language language)
{
    HubEvaluation evaluation;
    EvaluateAsHub(given, language, evaluation);
    return evaluation;
}

} // namespace kalvora::model
