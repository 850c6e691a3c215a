#pragma once
// The part of the new user's walk that goes from the input form to the clothing selector and the
// help viewer.

#include "ui/shell/window_id.h"

#include <QString>
#include <functional>

namespace kalvora::ui {
class Windows;
}

namespace kalvora::ui::test {

/// With the input form open and PMV ticked: opens the clothing selector from its caption, the
/// clothing help from the selector, then the metabolic help from its caption, turning a page;
/// `snap` saves a picture of each window met. Closes what it opened; the selector is left with
/// its button, so the clothing insulation goes back unchanged.
void walkClothingAndHelp(
    Windows &windows, const std::function<void(WindowId, const QString &)> &snap);

} // namespace kalvora::ui::test
