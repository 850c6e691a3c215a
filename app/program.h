#pragma once
// The composition root: the whole program's windows, wired the same way for the executable and
// for its walk-through. The only place that sees every window folder.

namespace kalvora::ui {

class AppState;
class Windows;

/// Registers the factory of every window of the program.
void registerProgramWindows(AppState &state, Windows &windows);

/// The first window of a run: the credits splash.
void startProgram(Windows &windows);

} // namespace kalvora::ui
