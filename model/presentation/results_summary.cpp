#include "results_summary.h"

#include "model/exposure.h"

namespace kalvora::model {

namespace {

std::int16_t rating(Method method, const MethodResults &r)
{
    const auto level = static_cast<std::int16_t>(*ratingEntry(method).read(r, Evaluation()));
    if (method != Method::SwReq)
        return level;
    if (!isSweatExposureLimited(r.DLEnaa))
        return 0;
    return level == 1 ? 1 : 2;
}

} // namespace

SummaryStanding summaryStanding(
    Method method, const InputParameters &input, const EvaluationScope &scope)
{
    if (!input.method(method))
        return SummaryStanding::NotSelected;
    if (scope.finished(method))
        return SummaryStanding::Shown;
    return scope.stopped(method) ? SummaryStanding::Stopped : SummaryStanding::NotSelected;
}

ShownMethods shownMethods(const InputParameters &input, const EvaluationScope &scope)
{
    ShownMethods shown {};
    for (const Method method : kAllMethods)
        shown[static_cast<std::size_t>(method)]
            = summaryStanding(method, input, scope) == SummaryStanding::Shown;
    return shown;
}

std::optional<std::int16_t> summaryRating(Method method, const InputParameters &input,
    const EvaluationScope &scope, const MethodResults &results)
{
    if (summaryStanding(method, input, scope) != SummaryStanding::Shown
        || !scope.belongs(ratingEntry(method)))
        return std::nullopt;
    return rating(method, results);
}

} // namespace kalvora::model
