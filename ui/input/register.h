#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the input form `Form1` over state.
void registerInputForm(AppState &state, Windows &windows);

} // namespace kalvora::ui
