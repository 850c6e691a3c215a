#include "value_area.h"

#include <algorithm>

namespace kalvora::ui {

ValueArea::ValueArea(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    // Selectable for copying, reachable by the keyboard for screen readers, but no text caret:
    // a caret would suggest the value could be edited.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus); // until there is a value to read
    setMargin(2);
    constexpr int kMinimumCharacters = 8;
    setMinimumWidth(kMinimumCharacters * fontMetrics().averageCharWidth());
}

void ValueArea::setLines(const QStringList &lines)
{
    setText(lines.join(QLatin1Char('\n')));
    setFocusPolicy(text().isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    nameAfterCaption();
}

void ValueArea::setCaption(const QString &caption)
{
    m_caption = caption;
    nameAfterCaption();
}

void ValueArea::reserveWidthFor(const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, fontMetrics().horizontalAdvance(text));
    // The frame, the margin and an average character of air on both sides.
    const int around = 2 * (frameWidth() + margin() + fontMetrics().averageCharWidth());
    setMinimumWidth(std::max(minimumWidth(), widest + around));
}

void ValueArea::nameAfterCaption()
{
    QString caption = m_caption.trimmed();
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    const QString value = text();
    if (caption.isEmpty())
        setAccessibleName(value);
    else
        setAccessibleName(value.isEmpty() ? caption : caption + QStringLiteral(": ") + value);
}

void greyUnusedAreas(QWidget &window)
{
    for (const QLabel *caption : window.findChildren<QLabel *>())
        if (auto *area = qobject_cast<ValueArea *>(caption->buddy()))
            area->setEnabled(caption->isEnabled() || !area->text().isEmpty());
}

} // namespace kalvora::ui
