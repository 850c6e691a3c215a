#pragma once
// A text of the model in both languages (not part of the model's interface).

#include "language.h"

namespace kalvora::model::detail {

struct Bilingual {
    const char *es;
    const char *en;
};

inline const char *inLanguage(Bilingual text, Language language)
{
    return language == Language::Spanish ? text.es : text.en;
}

} // namespace kalvora::model::detail
