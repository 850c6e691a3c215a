#pragma once
// The checks of the load button: temperatures that contradict the dry air temperature.

#include "input_parameters.h"
#include "language.h"

#include <string>
#include <vector>

namespace kalvora::model {

/// The texts of the broken rules in their order (globe, natural wet-bulb, wet-bulb), in the
/// chosen language; empty when the inputs may be loaded.
std::vector<std::string> RefusalTexts(const InputParameters &input, Language language);

/// The fields whose rule is broken, in the same order; each rule sets its field against the dry
/// air temperature (Taseco).
std::vector<Field> RefusedFields(const InputParameters &input);

/// Title of every refusal message, the same in both languages.
inline constexpr const char *kRefusalTitle = "Parámetro erróneo";

} // namespace kalvora::model
