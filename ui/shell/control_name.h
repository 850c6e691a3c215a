#pragma once
// Controls keep their window's names; a member of a control array `Método(3)` is named
// "Método_3", the one place where that convention is written.

#include <QString>

namespace kalvora::ui {

inline QString controlName(const char *arrayName, int index)
{
    return QString::fromUtf8(arrayName) + QLatin1Char('_') + QString::number(index);
}

} // namespace kalvora::ui
