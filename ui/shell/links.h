#pragma once
// Captions and frames that act as links: a pointing-hand cursor, and a click (press and release
// over the control) that says so; a link caption also takes the focus and answers Enter and Space.
// (A frame does not: Enter on one of its option buttons would reach the frame and open its link.) A
// disabled control receives no mouse or key events, so a disabled link does not react. The click
// rule is shared with every other clickable surface of the program (rating lights).

#include <QGroupBox>
#include <QLabel>

class QKeyEvent;
class QMouseEvent;

namespace kalvora::ui {

/// Takes a left-button press so that the release comes back to the same control.
void acceptLeftPress(QMouseEvent *event);
/// A click is a left-button release over the control that took the press.
bool isClick(const QWidget &widget, const QMouseEvent *event);
/// Enter, Return or Space: the keys that activate a button.
bool isActivationKey(const QKeyEvent *event);

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

class LinkFrame : public QGroupBox
{
    Q_OBJECT
public:
    LinkFrame(const QString &objectName, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace kalvora::ui
