#include "point_evaluation.h"

#include "model/loading_rules.h"

#include <cstring>

namespace kalvora::cli {

using model::Method;
using model::MethodResults;

namespace {

constexpr RatingField kRatings[] = {
    { "okIVM", Method::Pmv, &MethodResults::okIVM },
    { "okISC", Method::Hsi, &MethodResults::okISC },
    { "okWBGT", Method::Wbgt, &MethodResults::okWBGT },
    { "okSWreq", Method::SwReq, &MethodResults::okSWreq },
    { "okIVF", Method::Wci, &MethodResults::okIVF },
    { "okIreq", Method::Ireq, &MethodResults::okIreq },
};

bool ran(const PointOutcome &outcome, Method method)
{
    return outcome.evaluation.ran[static_cast<std::size_t>(method)];
}

} // namespace

bool PointOutcome::sharedDone() const
{
    return !refused() && (!evaluation.fault || evaluation.fault->method.has_value());
}

PointOutcome EvaluatePoint(const model::InputParameters &input, model::Language language)
{
    PointOutcome outcome { input, input, model::RefusalTexts(input, language), {}, {}, {}, {} };
    if (outcome.refused())
        return outcome;
    outcome.evaluation = model::Evaluate(input, outcome.results);
    if (outcome.evaluation.pmvOutOfRange) {
        outcome.input.setMethod(Method::Pmv, false);
        outcome.messages.push_back(model::pmvRangeMessage(language));
    }
    if (outcome.evaluation.fault) {
        outcome.faultText = model::faultMessage(*outcome.evaluation.fault, language);
        outcome.messages.push_back(outcome.faultText);
    }
    return outcome;
}

bool FieldShown(const model::ResultField &field, const PointOutcome &outcome)
{
    if (!outcome.sharedDone())
        return false;
    if (!field.method)
        return true;
    if (ran(outcome, *field.method))
        return true;
    return std::strcmp(field.name, "dentrangIVM") == 0 && outcome.given.method(Method::Pmv);
}

std::span<const RatingField> ratingFields() { return kRatings; }

bool RatingShown(const RatingField &rating, const PointOutcome &outcome)
{
    return !outcome.refused() && !outcome.evaluation.fault && ran(outcome, rating.method);
}

} // namespace kalvora::cli
