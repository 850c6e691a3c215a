#pragma once
// The load button of the input form: refuse temperatures that contradict the dry air
// temperature, otherwise open the hub (or bring the open hub to the front).

class QWidget;

namespace kalvora::ui {

class AppState;
class Windows;

/// One warning per broken rule, in order, and nothing else; or the hub opened. Returns whether
/// the inputs were accepted.
bool loadInputs(QWidget *parent, const AppState &state, Windows &windows);

} // namespace kalvora::ui
