#pragma once
// The result line of each method's row of the results summary: pieces and formatted numbers
// joined without separators, or the not-selected text.

#include "model/input_parameters.h"
#include "model/language.h"
#include "model/method_results.h"

#include <QString>

namespace kalvora::ui {

QString resultLine(model::Method method, const model::InputParameters &input,
    const model::MethodResults &results, model::Language language);

} // namespace kalvora::ui
