#include "twips.h"

#include <QWidget>
#include <cmath>

namespace kalvora::ui {

int twipsToPixelsX(const QWidget &reference, double twips)
{
    return int(std::lround(twips * reference.logicalDpiX() / kTwipsPerInch));
}

int twipsToPixelsY(const QWidget &reference, double twips)
{
    return int(std::lround(twips * reference.logicalDpiY() / kTwipsPerInch));
}

double pixelsToTwipsX(const QWidget &reference, int pixels)
{
    return pixels * kTwipsPerInch / reference.logicalDpiX();
}

QPoint twipsToPoint(const QWidget &reference, double x, double y)
{
    return { twipsToPixelsX(reference, x), twipsToPixelsY(reference, y) };
}

void placeAtTwips(QWidget &widget, double x, double y, TwipsAnchor anchor)
{
    QPoint at = twipsToPoint(widget, x, y);
    if (anchor == TwipsAnchor::Centre)
        at -= QPoint(widget.width() / 2, widget.height() / 2);
    widget.move(at);
}

void resizeToTwips(QWidget &widget, double width, double height)
{
    widget.resize(twipsToPixelsX(widget, width), twipsToPixelsY(widget, height));
}

} // namespace kalvora::ui
