#pragma once
// The credits splash, the first window of a run; a click on its picture leads to the start
// screen and the splash is gone for good.

#include <QWidget>

namespace kalvora::ui {

class Windows;

class CreditsSplash : public QWidget
{
    Q_OBJECT
public:
    explicit CreditsSplash(Windows &windows, QWidget *parent = nullptr);

private:
    void onPictureClicked();

    Windows &m_windows;
};

} // namespace kalvora::ui
