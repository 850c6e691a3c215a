#pragma once
// The heat stress index scale: a vertical bar from cold (bottom) to critical (top) with its
// fourteen tick labels ">100", "100", "90" … "-20", evenly spaced. Each label stands in the
// middle of one fourteenth of the widget's height, so placing the widget so that those middles
// lie on the arrow's line puts every tick level with the arrow that points at its index.

#include <QWidget>

namespace kalvora::ui {

class HsiScale : public QWidget
{
    Q_OBJECT
public:
    explicit HsiScale(QWidget *parent = nullptr);

    /// Index (%) of each tick from top to bottom; the top one (">100") stands one step above 100.
    static constexpr int kTickCount = 14;
    static constexpr int tickIndex(int tick) { return 110 - 10 * tick; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalvora::ui
