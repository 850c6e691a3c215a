#pragma once
// The program's modal message boxes: warnings with an exclamation icon and one OK button, and
// the yes/no question without icon.
//
// A box never runs inside the action that asks for it: it is queued and comes up once the action
// has returned to the event loop, so a click, a key or an assistive technology's "press" gets its
// answer at once. Queued boxes come up one after the other, in the order they were asked for. A
// box whose window has gone by the time its turn comes is dropped, with its continuation.

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace kalvora::ui {

void showWarning(QWidget *parent, const QString &title, const QString &text);
/// Asks; onYes runs after the box is answered "yes" (and the window is still there).
void askYesNo(
    QWidget *parent, const QString &title, const QString &text, std::function<void()> onYes);
/// Asks with a question icon and the given buttons (Escape answers the escape button Qt chooses:
/// Cancel, or No); onAnswer receives the button pressed, unless the window has gone by then.
void askChoice(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
    std::function<void(QMessageBox::StandardButton)> onAnswer);

} // namespace kalvora::ui
