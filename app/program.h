#pragma once
// The composition root: the whole program's windows, wired the same way for the executable and
// for its walk-through. The only place that sees every window folder.

#include <QString>

namespace kalvora::ui {

class AppState;
class Windows;

/// Registers the factory of every window of the program.
void registerProgramWindows(AppState &state, Windows &windows);

/// The first window of a run: the credits splash. A survey file named on the command line opens
/// once the input form is shown, when the language of the run has been chosen.
void startProgram(Windows &windows, const QString &surveyFile = QString());

} // namespace kalvora::ui
