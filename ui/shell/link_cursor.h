#pragma once
// The hand shown over captions that open help pages or other windows.

#include <QCursor>

namespace kalvora::ui {

QCursor linkCursor();

} // namespace kalvora::ui
