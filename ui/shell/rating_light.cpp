#include "rating_light.h"

#include "link_cursor.h"
#include "links.h"
#include "model/presentation/rating_colour.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace kalvora::ui {

namespace {

constexpr int kSide = 20;

/// Announces a clickable light as a button with the press action, so assistive technology can
/// activate it as it would a push button.
class RatingLightAccessible : public QAccessibleWidget
{
public:
    explicit RatingLightAccessible(RatingLight *light)
        : QAccessibleWidget(light, QAccessible::Graphic)
    {
    }

    // A light may become clickable after assistive technology first asked about it.
    QAccessible::Role role() const override
    {
        return light()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (light()->isClickable() && light()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && light()->isClickable() && light()->isEnabled())
            light()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    RatingLight *light() const { return static_cast<RatingLight *>(widget()); }
};

QAccessibleInterface *accessibleLight(const QString &className, QObject *object)
{
    if (className == QLatin1String("kalvora::ui::RatingLight") && object && object->isWidgetType())
        return new RatingLightAccessible(static_cast<RatingLight *>(object));
    return nullptr;
}

void installAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleLight);
        return true;
    }();
    (void)installed;
}

} // namespace

RatingLight::RatingLight(const QString &objectName, QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactoryOnce();
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
}

void RatingLight::setRating(std::int16_t rating, const QString &verdict)
{
    m_rating = rating;
    m_hasRating = true;
    setAccessibleName(verdict);
    setToolTip(verdict);
    update();
}

void RatingLight::clearRating()
{
    m_hasRating = false;
    setAccessibleName(QString());
    setToolTip(QString());
    update();
}

QColor RatingLight::colour() const
{
    if (!m_hasRating)
        return palette().color(QPalette::Window);
    const model::Rgb rgb = model::ratingColour(m_rating);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void RatingLight::setClickable(bool clickable)
{
    m_clickable = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    if (clickable)
        setCursor(linkCursor());
    else
        unsetCursor();
}

void RatingLight::activate()
{
    if (m_clickable && isEnabled())
        emit activated();
}

QSize RatingLight::sizeHint() const
{
    return { kSide, kSide };
}

void RatingLight::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void RatingLight::mousePressEvent(QMouseEvent *event)
{
    if (m_clickable)
        acceptLeftPress(event);
    else
        QWidget::mousePressEvent(event);
}

void RatingLight::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && isClick(*this, event))
        activate();
    else
        QWidget::mouseReleaseEvent(event);
}

void RatingLight::keyPressEvent(QKeyEvent *event)
{
    if (m_clickable && isActivationKey(event))
        activate();
    else
        QWidget::keyPressEvent(event);
}

} // namespace kalvora::ui
