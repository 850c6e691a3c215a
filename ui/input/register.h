#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the input form `Form1` over state, and the clothing
/// selector `Form13` it opens.
void registerInputForm(AppState &state, Windows &windows);

} // namespace kalvora::ui
