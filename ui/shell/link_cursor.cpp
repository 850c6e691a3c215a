#include "link_cursor.h"

#include "pictures.h"

#include <QIcon>
#include <QPixmapCache>

namespace kalvora::ui {

QCursor linkCursor()
{
    constexpr int kSide = 32;
    constexpr int kHotX = 11; // the tip of the index finger
    constexpr int kHotY = 2;
    // Drawn from its SVG once: every link and clickable light of a window takes this cursor,
    // and drawing it anew for each cost more than building the window's other controls.
    const QString key = QStringLiteral("kalvora/link-cursor");
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QIcon(QString::fromLatin1(pictures::kLinkCursor)).pixmap(kSide, kSide);
        QPixmapCache::insert(key, picture);
    }
    return QCursor(picture, kHotX, kHotY);
}

} // namespace kalvora::ui
