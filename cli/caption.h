#pragma once
// The command line's own words, in both languages side by side.

#include "model/language.h"

namespace kalvora::cli {

struct Caption {
    const char *es;
    const char *en;
};

inline const char *pick(Caption caption, model::Language language)
{
    return language == model::Language::English ? caption.en : caption.es;
}

} // namespace kalvora::cli
