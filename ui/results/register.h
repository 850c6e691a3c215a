#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the hub `Hub` (each build is one evaluation) and the
/// windows it leads to.
void registerHub(AppState &state, Windows &windows);

/// Teaches the registry to build the six method views; any window may open them by id.
void registerMethodViews(AppState &state, Windows &windows);

} // namespace kalvora::ui
