#pragma once
// The exit question every window with an exit picture asks through one routine. On yes it closes
// the chain of windows from the start screen to the caller; the program ends when no window of it
// is left open.

#include "window_id.h"

#include <optional>

namespace kalvora::ui {

class AppState;
class Windows;

/// A caller's place in the chain, from the one table of callers: 0 start screen, 1 input form,
/// 2 hub, the window's own number for the windows opened from the hub (3 to 7 the method views,
/// 10 summary, 11 sweep, 12 IREQ view, 14 report). Empty for a window without an exit picture.
std::optional<int> exitLevel(WindowId caller);

/// Asks whether to leave (the question comes up once the caller's action has returned) and, on
/// yes and once the state's leave check lets it (unsaved work), closes in this order: StartScreen;
/// InputForm from level 1; from level 2 Hub, then ResultsSummary when the caller is a method view
/// (which the summary may have opened) and the summary's flag `cont` is 1, then the caller's own
/// window. A window without an exit picture (not in the table) asks nothing and closes nothing.
void ConfirmExit(const AppState &state, Windows &windows, WindowId caller);

} // namespace kalvora::ui
