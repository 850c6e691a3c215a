#include "link_cursor.h"

#include "pictures.h"

#include <QIcon>

namespace kalvora::ui {

QCursor linkCursor()
{
    constexpr int kSide = 32;
    constexpr int kHotX = 11; // the tip of the index finger
    constexpr int kHotY = 2;
    return QCursor(
        QIcon(QString::fromLatin1(pictures::kLinkCursor)).pixmap(kSide, kSide), kHotX, kHotY);
}

} // namespace kalvora::ui
