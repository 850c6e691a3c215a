#include "links.h"

#include "link_cursor.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kalvora::ui {

namespace {

class AccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            if (widget()->isEnabled())
                emit static_cast<LinkLabel *>(widget())->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleLink(const QString &, QObject *object)
{
    auto *label = qobject_cast<LinkLabel *>(object);
    return label ? new AccessibleLinkLabel(label) : nullptr;
}

} // namespace

void acceptLeftPress(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

bool isClick(const QWidget &widget, const QMouseEvent *event)
{
    return event->button() == Qt::LeftButton && widget.rect().contains(event->position().toPoint());
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
    static const bool accessibleAsLink = (QAccessible::installFactory(accessibleLink), true);
    Q_UNUSED(accessibleAsLink);
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
