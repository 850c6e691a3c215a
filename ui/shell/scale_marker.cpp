#include "scale_marker.h"

#include "twips.h"

#include <QPainter>
#include <QPolygonF>

namespace kalvora::ui {

namespace {

// The head takes this share of the arrow's length, the shaft this share of its breadth.
constexpr double kHeadShare = 0.4;
constexpr double kShaftShare = 0.4;
// Size before the window sets one, in twips: as high as a scale label.
constexpr double kDefaultLength = 600;
constexpr double kDefaultBreadth = 255;

/// The arrow pointing right, in a unit box (length along x, breadth along y).
QPolygonF rightArrow()
{
    const double shaftTop = (1.0 - kShaftShare) / 2;
    const double shaftBottom = 1.0 - shaftTop;
    const double neck = 1.0 - kHeadShare;
    return QPolygonF({ { 0, shaftTop }, { neck, shaftTop }, { neck, 0 }, { 1, 0.5 }, { neck, 1 },
        { neck, shaftBottom }, { 0, shaftBottom } });
}

} // namespace

ScaleMarker::ScaleMarker(Direction direction, QWidget *parent)
    : QWidget(parent)
    , m_direction(direction)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ScaleMarker::setDirection(Direction direction)
{
    m_direction = direction;
    update();
}

void ScaleMarker::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void ScaleMarker::setSizeInTwips(double width, double height)
{
    resizeToTwips(*this, width, height);
}

QSize ScaleMarker::sizeHint() const
{
    const bool horizontal = m_direction == Direction::Left || m_direction == Direction::Right;
    return horizontal
        ? QSize(twipsToPixelsX(*this, kDefaultLength), twipsToPixelsY(*this, kDefaultBreadth))
        : QSize(twipsToPixelsX(*this, kDefaultBreadth), twipsToPixelsY(*this, kDefaultLength));
}

void ScaleMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colour);

    // Scale the unit arrow to the widget, then turn it to its direction about the middle.
    QTransform toWidget;
    const bool horizontal = m_direction == Direction::Left || m_direction == Direction::Right;
    const double length = horizontal ? width() : height();
    const double breadth = horizontal ? height() : width();
    toWidget.translate(width() / 2.0, height() / 2.0);
    switch (m_direction) {
    case Direction::Right:
        break;
    case Direction::Down:
        toWidget.rotate(90);
        break;
    case Direction::Left:
        toWidget.rotate(180);
        break;
    case Direction::Up:
        toWidget.rotate(270);
        break;
    }
    toWidget.translate(-length / 2, -breadth / 2);
    toWidget.scale(length, breadth);
    painter.drawPolygon(toWidget.map(rightArrow()));
}

} // namespace kalvora::ui
