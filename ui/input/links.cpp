#include "links.h"

#include "ui/shell/link_cursor.h"

#include <QMouseEvent>

namespace kalvora::ui {

namespace {

void acceptPress(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

/// A click is a left-button release over the control that took the press.
bool isClick(const QWidget *widget, const QMouseEvent *event)
{
    return event->button() == Qt::LeftButton
        && widget->rect().contains(event->position().toPoint());
}

} // namespace

LinkLabel::LinkLabel(const QString &objectName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setCursor(linkCursor());
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    acceptPress(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClick(this, event))
        emit clicked();
}

LinkFrame::LinkFrame(const QString &objectName, QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(objectName);
    setCursor(linkCursor());
}

void LinkFrame::mousePressEvent(QMouseEvent *event)
{
    acceptPress(event);
}

void LinkFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (isClick(this, event))
        emit clicked();
}

} // namespace kalvora::ui
