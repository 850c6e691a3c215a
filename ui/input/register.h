#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the input form `Form1` over state, and the windows of the
/// parameter input that open from it or from elsewhere: the clothing selector `Form13` and the
/// application ranges view `Form12`.
void registerInputForm(AppState &state, Windows &windows);

} // namespace kalvora::ui
