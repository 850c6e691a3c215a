#pragma once
// A window's texts in both languages side by side; the window picks one set once, at load.

#include "model/caption.h"

#include <QString>

namespace kalvora::ui {

using model::Caption;
using model::Language;

inline QString pick(Caption caption, Language language)
{
    return QString::fromUtf8(model::inLanguage(caption, language));
}

} // namespace kalvora::ui
