#pragma once
// A text of the program in both languages side by side, UTF-8, byte for byte as it is shown.
// The model's messages, the command line's words and every window's caption table use it.

#include "language.h"

namespace kalvora::model {

struct Caption
{
    const char *es;
    const char *en;
};

constexpr const char *inLanguage(Caption caption, Language language)
{
    return language == Language::English ? caption.en : caption.es;
}

} // namespace kalvora::model
