#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the credits splash and the start screen.
void registerShellWindows(AppState &state, Windows &windows);

} // namespace kalvora::ui
