#pragma once
// A background panel with a vertical colour gradient, cold blue at the top to a pale warm tone
// at the bottom: behind the clothing list, whose warmest ensembles stand at the top.

#include <QWidget>

namespace kalvora::ui {

class GradientPanel : public QWidget
{
    Q_OBJECT
public:
    explicit GradientPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kalvora::ui
