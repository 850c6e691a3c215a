#include "value_area.h"

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
    setFocusPolicy(Qt::StrongFocus);
    setMargin(2);
    constexpr int kMinimumCharacters = 8;
    setMinimumWidth(kMinimumCharacters * fontMetrics().averageCharWidth());
}

void ValueArea::setLines(const QStringList &lines)
{
    // A label's accessible name is its text, so assistive technology reads what is shown.
    setText(lines.join(QLatin1Char('\n')));
}

} // namespace kalvora::ui
