#pragma once
// A window's texts in both languages side by side; the window picks one set once, at load.

#include "model/language.h"

#include <QString>

namespace kalvora::ui {

using model::Language;

struct Caption {
    const char *es; ///< UTF-8, byte for byte as the program shows it
    const char *en;
};

inline QString pick(Caption caption, Language language)
{
    return QString::fromUtf8(language == Language::English ? caption.en : caption.es);
}

} // namespace kalvora::ui
