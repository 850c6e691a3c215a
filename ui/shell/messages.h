#pragma once
// The program's modal message boxes: warnings with an exclamation icon and one OK button, and
// the yes/no question without icon.

#include <QString>

class QWidget;

namespace kalvora::ui {

void showWarning(QWidget *parent, const QString &title, const QString &text);
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

} // namespace kalvora::ui
