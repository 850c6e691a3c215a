#pragma once
// Windows the walk reaches from the windows the hub opens, by the control a user clicks there.

#include "ui/shell/window_id.h"

#include <span>

namespace kalvora::ui::test {

struct OnwardDoor
{
    WindowId from;
    const char *control;
    WindowId opens;
    const char *what; ///< name of the picture
};

/// The doors of window from (none for most windows).
std::span<const OnwardDoor> onwardDoors(WindowId from);

} // namespace kalvora::ui::test
