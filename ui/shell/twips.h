#pragma once
// Positions on a window given in twips: 1440 twips to the logical inch, vertical axis downwards,
// origin at the top-left corner of the widget's parent (the window, or the panel that holds a
// scale). The one mapping to device-independent pixels is the widget's logical DPI, so a scale
// laid out in twips keeps its proportions on any screen.
//
// A result window places its scale labels and its marker with these helpers, all in the same
// parent, for example a fixed-size panel without layout:
//     placeAtTwips(*label, 5640, 2705);                      // a scale step's top-left corner
//     placeAtTwips(*marker, 6360, 2700 - 420 * vote, TwipsAnchor::Centre);

#include <QPoint>

class QWidget;

namespace kalvora::ui {

inline constexpr double kTwipsPerInch = 1440.0;

/// Pixels (rounded) for a horizontal or vertical distance in twips on reference's screen.
int twipsToPixelsX(const QWidget &reference, double twips);
int twipsToPixelsY(const QWidget &reference, double twips);
QPoint twipsToPoint(const QWidget &reference, double x, double y);
/// Twips for a horizontal distance in pixels on reference's screen.
double pixelsToTwipsX(const QWidget &reference, int pixels);

enum class TwipsAnchor {
    TopLeft, ///< the widget's top-left corner stands at the point
    Centre, ///< the widget's middle stands at the point
};

/// Moves widget so that its anchor stands at (x, y) twips in its parent's coordinates.
void placeAtTwips(QWidget &widget, double x, double y, TwipsAnchor anchor = TwipsAnchor::TopLeft);

/// Resizes widget to width × height twips.
void resizeToTwips(QWidget &widget, double width, double height);

} // namespace kalvora::ui
