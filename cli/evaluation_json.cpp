#include "evaluation_json.h"

#include "display_number.h"
#include "input_options.h"

#include <cmath>

namespace kalvora::cli {

using nlohmann::ordered_json;

namespace {

ordered_json inputsJson(const model::InputParameters &input)
{
    ordered_json inputs = ordered_json::object();
    for (const NumericInput &option : numericInputs()) {
        if (InputUsed(input, option.field))
            inputs[option.name] = input.value(option.field);
    }
    if (input.groupEnabled(model::OptionGroup::Radsolar))
        inputs["solar"]
            = kSolarKeys[static_cast<std::size_t>(input.selected(model::OptionGroup::Radsolar))];
    if (input.groupEnabled(model::OptionGroup::postura))
        inputs["posture"]
            = kPostureKeys[static_cast<std::size_t>(input.selected(model::OptionGroup::postura))];
    return inputs;
}

ordered_json faultJson(const PointOutcome &outcome)
{
    if (!outcome.evaluation.fault)
        return nullptr;
    const model::EvaluationFault &fault = *outcome.evaluation.fault;
    return ordered_json {
        { "method", fault.method ? ordered_json(methodKey(*fault.method)) : ordered_json(nullptr) },
        { "step", fault.step }, { "message", outcome.faultText }
    };
}

} // namespace

ordered_json JsonNumber(std::optional<double> value, int precision)
{
    if (!value || !std::isfinite(*value))
        return nullptr;
    return precision == kShortest ? *value : RoundedToDecimals(*value, precision);
}

ordered_json EvaluationJson(
    const PointOutcome &outcome, std::span<const ResultKey> keys, int precision)
{
    ordered_json methods = ordered_json::array();
    for (const model::Method method : model::kAllMethods) {
        if (outcome.evaluation.ran[static_cast<std::size_t>(method)])
            methods.push_back(methodKey(method));
    }
    ordered_json results = ordered_json::object();
    ordered_json ratings = ordered_json::object();
    const model::EvaluationScope scope = outcome.scope();
    for (const ResultKey key : keys) {
        if (!scope.belongs(*key))
            continue;
        const std::optional<double> value = key->read(outcome.results, outcome.evaluation);
        if (key->kind == model::ResultKind::Value)
            results[key->key] = JsonNumber(value, precision);
        else if (key->kind == model::ResultKind::Rating)
            ratings[key->key] = static_cast<int>(*value);
    }
    return ordered_json { { "methods", std::move(methods) },
        { "inputs", inputsJson(outcome.given) }, { "results", std::move(results) },
        { "ratings", std::move(ratings) }, { "pmvOutOfRange", outcome.evaluation.pmvOutOfRange },
        { "messages", outcome.messages }, { "fault", faultJson(outcome) } };
}

} // namespace kalvora::cli
