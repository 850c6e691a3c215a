#pragma once
// The caption the user sees beside each input field, in both languages: the input form's caption
// label, or for the boxes of the radiation and humidity groups the caption of their option. The
// windows show it and the model's messages name a field by it.

#include "caption.h"
#include "input_parameters.h"

#include <string>

namespace kalvora::model {

Caption fieldCaption(Field field);

/// The caption without the colon that ends some English captions, for use inside a sentence.
std::string fieldCaptionInText(Field field, Language language);

} // namespace kalvora::model
