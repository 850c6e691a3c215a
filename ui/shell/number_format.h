#pragma once
// Numbers shown to the user: the display patterns with the user's locale separators. A value
// that is not a finite number is never shown as one, and a value that shows as zero carries no
// minus sign (-0.004 with two decimals is "0.00": a sign the number does not have would mislead).

#include <QLocale>
#include <QString>

namespace kalvora::ui {

enum class NumberPattern {
    Grouped2, ///< "#,##0.00": two decimals, thousands grouped
    Grouped1, ///< "#,##0.0": one decimal, thousands grouped
    Plain1, ///< "###0.0": one decimal, no grouping
    General, ///< the general number form: the shortest decimal that reads back, no grouping
};

QString formatNumber(double value, NumberPattern pattern, const QLocale &locale = QLocale());

} // namespace kalvora::ui
