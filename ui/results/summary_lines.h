#pragma once
// The result line of each method's row of the results summary: pieces and formatted numbers
// joined without separators; or, for a method whose values are not of the last evaluation, that
// it is not selected or that a fault stopped the evaluation before it finished.

#include "model/input_parameters.h"
#include "model/language.h"
#include "model/method_results.h"
#include "model/presentation/result_catalogue.h"

#include <QString>

namespace kalvora::ui {

QString resultLine(model::Method method, const model::InputParameters &input,
    const model::EvaluationScope &scope, const model::MethodResults &results,
    model::Language language);

} // namespace kalvora::ui
