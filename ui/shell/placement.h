#pragma once

class QWidget;

namespace kalvora::ui {

/// Puts a window in the middle of its screen's free area, at its preferred size.
void centerOnScreen(QWidget &window);

} // namespace kalvora::ui
