#include "placement.h"

#include <QScreen>
#include <QWidget>

namespace kalvora::ui {

void centerOnScreen(QWidget &window)
{
    window.adjustSize();
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace kalvora::ui
