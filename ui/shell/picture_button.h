#pragma once
// A clickable picture (an SVG icon from the resources) with a tooltip in the chosen language,
// which is also its accessible name; optionally a caption drawn on the picture. It takes the focus
// with Tab, and Enter, Return and Space activate it as a click does.

#include <QToolButton>

namespace kalvora::ui {

class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(const QString &objectName, const QString &iconPath, QWidget *parent = nullptr);
    PictureButton(const QString &objectName, const QIcon &picture, QWidget *parent = nullptr);
    /// Tooltip and accessible name, set once at load in the window's language.
    void setDescription(const QString &text);
    /// A caption drawn on the picture below three blank lines; the picture grows to hold it.
    /// Its trimmed text is the accessible name.
    void setDrawnCaption(const QString &text);
    QString drawnCaption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
};

} // namespace kalvora::ui
