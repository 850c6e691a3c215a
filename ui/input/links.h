#pragma once
// Captions and frames that act as links: a pointing-hand cursor, and a click (press and release
// over the control) that says so. A disabled control receives no mouse events, so a disabled
// link does not react.

#include <QGroupBox>
#include <QLabel>

namespace kalvora::ui {

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class LinkFrame : public QGroupBox
{
    Q_OBJECT
public:
    LinkFrame(const QString &objectName, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace kalvora::ui
