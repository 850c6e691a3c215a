#pragma once
// The arrow that stands beside an interpretation scale and points at the step a result falls
// on. Its size and position are given in twips like the scale it faces (see twips.h); the window
// names it for assistive technology with the step it faces, so the verdict is in words too.
//
// Use in a result window:
//     m_marker = new ScaleMarker(ScaleMarker::Direction::Right, scalePanel);
//     m_marker->setSizeInTwips(600, 255);
//     ... at load:
//     placeAtTwips(*m_marker, 6360, top);               // twips, top-left corner (twips.h)
//     m_marker->setAccessibleName(pick(caption(Text::Arrow), language));
//     m_marker->setAccessibleDescription(stepCaption);  // e.g. "Ligeramente caluroso"

#include <QColor>
#include <QWidget>

namespace kalvora::ui {

class ScaleMarker : public QWidget
{
    Q_OBJECT
public:
    /// Where the arrow's head points.
    enum class Direction { Left, Right, Up, Down };

    explicit ScaleMarker(Direction direction, QWidget *parent = nullptr);

    Direction direction() const { return m_direction; }
    void setDirection(Direction direction);
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

    void setSizeInTwips(double width, double height);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Direction m_direction;
    QColor m_colour = Qt::black;
};

} // namespace kalvora::ui
