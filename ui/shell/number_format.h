#pragma once
// Numbers shown to the user: the display patterns with the user's locale separators; the general
// form is the shortest decimal that reads back. A value that is not a finite number is never
// shown as one, and a value that shows as zero carries no minus sign (-0.004 with two decimals is
// "0.00": a sign the number does not have would mislead).

#include "model/presentation/number_pattern.h"

#include <QLocale>
#include <QString>

namespace kalvora::ui {

using model::NumberPattern;

QString formatNumber(double value, NumberPattern pattern, const QLocale &locale = QLocale());

} // namespace kalvora::ui
