#pragma once
// The part of the new user's walk that keeps measurement points in a survey: the survey window
// with points of every kind, and its report.

#include "ui/shell/window_id.h"

#include <QString>
#include <functional>

namespace kalvora::ui {
class Windows;
}

namespace kalvora::ui::test {

/// With the input form open: keeps the form's values as a point by its menu's shortcut, adds a
/// few more points (hot, cold, refused by the loading rules), opens the report; `snap` saves a
/// picture of the survey window and of the report. Then drops the survey (a new one, the changes
/// discarded) and closes what it opened, so the walk goes on as before.
void walkSurvey(Windows &windows, const std::function<void(WindowId, const QString &)> &snap);

} // namespace kalvora::ui::test
