#include "point_evaluation.h"

#include <algorithm>
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

/// The reader of dentrangIVM, shown whenever PMV was selected, even when it did not run.
auto dentrangRead()
{
    static const auto read = std::find_if(model::resultFields().begin(),
        model::resultFields().end(), [](const model::ResultField &field) {
            return std::strcmp(field.name, "dentrangIVM") == 0;
        })->read;
    return read;
}

} // namespace

bool PointOutcome::sharedDone() const
{
    return !refused() && (!evaluation.fault || evaluation.fault->method.has_value());
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

bool FieldShown(const model::ResultField &field, const PointOutcome &outcome)
{
    return ShownFields(outcome)(field);
}

ShownFields::ShownFields(const PointOutcome &outcome)
    : m_shared(outcome.sharedDone())
    , m_ran(outcome.evaluation.ran)
    , m_pmvGiven(outcome.given.method(Method::Pmv))
    , m_alwaysWithPmv(dentrangRead())
{
}

std::span<const RatingField> ratingFields()
{
    return kRatings;
}

bool RatingShown(const RatingField &rating, const PointOutcome &outcome)
{
    return !outcome.refused() && !outcome.evaluation.fault && ran(outcome, rating.method);
}

} // namespace kalvora::cli
