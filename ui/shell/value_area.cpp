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
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setMargin(2);
}

void ValueArea::setLines(const QStringList &lines)
{
    // A label's accessible name is its text, so assistive technology reads what is shown.
    setText(lines.join(QLatin1Char('\n')));
}

} // namespace kalvora::ui
