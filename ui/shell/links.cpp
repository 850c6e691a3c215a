#include "links.h"

#include "link_cursor.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kalvora::ui {

void acceptLeftPress(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

bool isClick(const QWidget &widget, const QMouseEvent *event)
{
    return event->button() == Qt::LeftButton
        && widget.rect().contains(event->position().toPoint());
}

bool isActivationKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

LinkLabel::LinkLabel(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setCursor(linkCursor());
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    acceptLeftPress(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClick(*this, event))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event))
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

LinkFrame::LinkFrame(const QString &objectName, QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(objectName);
    setCursor(linkCursor());
}

void LinkFrame::mousePressEvent(QMouseEvent *event)
{
    acceptLeftPress(event);
}

void LinkFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClick(*this, event))
        emit clicked();
}

} // namespace kalvora::ui
