#pragma once
// The new user's walk through the six method views, called from the shared walk with its own
// way of clicking and of taking pictures.

#include "ui/shell/window_id.h"

#include <QString>
#include <functional>

namespace kalvora::ui {
class Windows;
}

namespace kalvora::ui::test {

struct WalkActions
{
    std::function<void(WindowId, const QString &)> click; ///< a control of a window, by name
    std::function<void(WindowId, const QString &)> snap; ///< a picture of a window, named
};

/// From the open hub: back to the input form, every method ticked, LOAD VALUES, and each of the
/// six views opened from its hub button, pictured and closed with its back picture. Ends with
/// the hub open.
void walkThroughMethodViews(Windows &windows, const WalkActions &walk);

} // namespace kalvora::ui::test
