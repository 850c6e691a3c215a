#pragma once
// Pieces the method views build alike: labels named after their controls, a value line of
// prefix, formatted number and unit, and a panel on which an interpretation scale is laid out
// in the window's twips.

#include "ui/shell/caption.h"

#include <QWidget>

class QLabel;

namespace kalvora::ui {

/// Texts of the arrow every scale view has, for screen readers.
enum class ArrowText {
    Name, ///< the arrow's accessible name
    PointsAt, ///< start of its description, before the caption of what it faces
};
Caption arrowCaption(ArrowText text);

/// A label with its control's name; its caption is set at load.
QLabel *createLabel(const char *name, QWidget *parent);
/// A label that heads a window or a block: bold.
QLabel *createHeading(const char *name, QWidget *parent);

/// prefix, the value with "#,##0.00" in the user's locale, then unit, joined without blanks.
QString valueLine(Caption prefix, double value, Caption unit, model::Language language);

/// A panel without layout that holds a scale: its labels and the arrow or markers that face
/// them, each placed at the window position (twips) that the scale's layout gives it. The panel
/// itself stands where the window's layout puts it; origin is the window position (twips) that
/// its top-left corner stands for, so all positions inside keep their distances.
class TwipsPanel : public QWidget
{
    Q_OBJECT
public:
    TwipsPanel(const char *name, double originX, double originY, QWidget *parent);

    /// Makes the panel's left edge stand for window position x (twips); children are placed
    /// afresh afterwards.
    void setOriginX(double x) { m_originX = x; }
    /// The panel's pixel point for a window position (x, y) in twips.
    QPoint point(double x, double y) const;
    /// Moves child (a child of this panel) so that its top-left corner stands at (x, y) twips
    /// of the window.
    void place(QWidget &child, double x, double y) const;
    /// Gives a label its natural width and the height of a scale row, in twips.
    void setRowHeight(QWidget &child, double height) const;
    /// Takes the size that holds every child and reaches down to bottom (window twips, the
    /// lowest edge a moving child may reach), with margin twips to the right and below.
    void fitChildren(double bottom, double margin);

private:
    double m_originX;
    double m_originY;
};

} // namespace kalvora::ui
