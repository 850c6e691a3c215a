#include "number_format.h"

#include <cmath>

namespace kalvora::ui {

namespace {

// Shown in place of a value that is not a finite number.
const QString kNoValue = QStringLiteral("–");

/// The text without its minus sign when every digit it shows is zero: a value that rounds to
/// zero from below, or negative zero itself.
QString withoutSignOfZero(const QString &text, const QLocale &locale)
{
    const QString negative = locale.negativeSign();
    if (!text.startsWith(negative))
        return text;
    QString digits = text.mid(negative.size());
    digits.remove(locale.zeroDigit());
    digits.remove(locale.decimalPoint());
    return digits.isEmpty() ? text.mid(negative.size()) : text;
}

// "#,##0" groups the integer digits by three whatever the locale's own minimum-grouping
// habit is (some locales leave four-digit numbers ungrouped), so the separators are inserted
// here from the locale's symbols instead of left to QLocale.
QString insertGroupSeparators(const QString &plain, const QLocale &locale)
{
    const QString negative = locale.negativeSign();
    const qsizetype start = plain.startsWith(negative) ? negative.size() : 0;
    qsizetype end = plain.indexOf(locale.decimalPoint(), start);
    if (end < 0)
        end = plain.size();
    const qsizetype digitWidth = locale.zeroDigit().size();
    const qsizetype groupWidth = 3 * digitWidth;

    QString result = plain;
    for (qsizetype at = end - groupWidth; at > start; at -= groupWidth)
        result.insert(at, locale.groupSeparator());
    return result;
}

} // namespace

QString formatNumber(double value, NumberPattern pattern, const QLocale &locale)
{
    if (!std::isfinite(value))
        return kNoValue;
    QLocale plainLocale = locale;
    plainLocale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    const std::optional<int> decimals = model::fixedDecimals(pattern);
    const QString plain = withoutSignOfZero(plainLocale.toString(value, decimals ? 'f' : 'g',
                                                decimals.value_or(QLocale::FloatingPointShortest)),
        locale);
    return model::groupsThousands(pattern) ? insertGroupSeparators(plain, locale) : plain;
}

} // namespace kalvora::ui
