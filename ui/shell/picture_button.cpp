#include "picture_button.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace kalvora::ui {

namespace {
constexpr int kPictureSide = 48;
constexpr int kBlankLinesBeforeCaption = 3;
// Pictures that carry a caption are drawn twice as wide as high.
constexpr int kCaptionPictureAspect = 2;

QFont captionFont(const QWidget &widget)
{
    QFont bold = widget.font();
    bold.setBold(true);
    return bold;
}
}

PictureButton::PictureButton(const QString &objectName, const QString &iconPath, QWidget *parent)
    : PictureButton(objectName, QIcon(iconPath), parent)
{
}

PictureButton::PictureButton(const QString &objectName, const QIcon &picture, QWidget *parent)
    : QToolButton(parent)
{
    setObjectName(objectName);
    setIcon(picture);
    setIconSize(QSize(kPictureSide, kPictureSide));
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setDescription(const QString &text)
{
    setToolTip(text);
    setAccessibleName(text);
}

void PictureButton::setDrawnCaption(const QString &text)
{
    m_caption = text;
    setAccessibleName(text.trimmed());
    // Room for the blank lines and the caption line below them, at least as wide as the text.
    const QFontMetrics metrics(captionFont(*this));
    const int height = (kBlankLinesBeforeCaption + 1) * metrics.lineSpacing() + metrics.descent();
    const int width = metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth();
    setIconSize(QSize(std::max(width, kCaptionPictureAspect * height), height));
    updateGeometry();
    update();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // A tool button answers Space on its own (press, then click on release); Enter and Return
    // would otherwise go unanswered.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QFont font = captionFont(*this);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // The picture sits centred in the button; the caption line starts below three blank lines.
    const int top = (height() - iconSize().height()) / 2;
    const int baseline = top + kBlankLinesBeforeCaption * metrics.lineSpacing() + metrics.ascent();
    const int x = (width() - metrics.horizontalAdvance(m_caption)) / 2;
    painter.drawText(QPoint(std::max(0, x), baseline), m_caption);
}

} // namespace kalvora::ui
