#pragma once

namespace kalvora::ui {

class AppState;
class Windows;

/// Teaches the registry to build the input form `InputForm` over state, and the windows of the
/// parameter input that open from it or from elsewhere: the clothing selector `ClothingSelector`
/// and the application ranges view `RangesView`.
void registerInputForm(AppState &state, Windows &windows);

} // namespace kalvora::ui
