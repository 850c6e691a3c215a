#pragma once
// The survey files opened or saved lately, newest first, kept between runs in the program's
// settings.

#include <QStringList>

namespace kalvora::ui {

/// At most this many files are remembered.
inline constexpr int kRecentSurveys = 8;

QStringList recentSurveys();
/// Puts path (made absolute) first, dropping an older entry of the same file and the oldest
/// beyond the limit.
void rememberSurvey(const QString &path);

} // namespace kalvora::ui
