#include "gradient_panel.h"

#include <QLinearGradient>
#include <QPainter>

namespace kalvora::ui {

GradientPanel::GradientPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::paintEvent(QPaintEvent *)
{
    // Light enough that the list's dark text stays readable over the whole height.
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(150, 190, 240));
    gradient.setColorAt(1, QColor(255, 245, 220));
    QPainter painter(this);
    painter.fillRect(rect(), gradient);
}

} // namespace kalvora::ui
