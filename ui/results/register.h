#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the hub `Form2` (each build is one evaluation) and the results
/// windows it leads to: the results summary `Form10`.
void registerHub(AppState &state, Windows &windows);

} // namespace kalvora::ui
