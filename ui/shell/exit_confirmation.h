#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Asks whether to leave and, on yes, closes the chain of windows from the start screen to the
/// caller: Form0; Form1 from level 1; Form2 from level 2, then Form10 when summaryOpen is 1, then
/// the caller's own window (3 Form3 … 7 Form7, 10 Form10, 11 Form11, 12 FormIREQ, 14 Form14).
void ConfirmExit(const AppState &state, Windows &windows, int exitLevel, int summaryOpen);

} // namespace kalvora::ui
