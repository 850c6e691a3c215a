#include "hsi_scale.h"

#include <QLinearGradient>
#include <QLocale>
#include <QPainter>

namespace kalvora::ui {

namespace {

QString tickLabel(int tick)
{
    const int index = HsiScale::tickIndex(tick);
    const QString number = QLocale().toString(index > 100 ? 100 : index);
    return index > 100 ? QLatin1Char('>') + number : number;
}

} // namespace

HsiScale::HsiScale(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CuadISC"));
    QStringList ticks;
    for (int tick = 0; tick < kTickCount; ++tick)
        ticks << tickLabel(tick);
    setAccessibleName(ticks.join(QLatin1Char(' ')));
}

void HsiScale::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const qreal cell = qreal(height()) / kTickCount;
    const qreal barWidth = metrics.averageCharWidth() * 1.5;
    const QRectF bar(width() - barWidth - 1, cell / 2, barWidth, height() - cell);

    // Strain rises upwards: blue for cold strain at −20, green at comfort (0), yellow at 50,
    // red from 100. A stop at tick t lies (13 − t)/13 of the bar up from the bottom tick.
    QLinearGradient strain(bar.bottomLeft(), bar.topLeft());
    const auto up = [](int tick) { return qreal(kTickCount - 1 - tick) / (kTickCount - 1); };
    strain.setColorAt(up(13), QColor(70, 110, 220));
    strain.setColorAt(up(11), QColor(90, 180, 90));
    strain.setColorAt(up(6), QColor(240, 200, 60));
    strain.setColorAt(up(1), QColor(220, 40, 30));
    strain.setColorAt(up(0), QColor(150, 0, 0));
    painter.fillRect(bar, strain);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bar);

    const qreal tickLength = barWidth / 2;
    for (int tick = 0; tick < kTickCount; ++tick) {
        const qreal middle = cell * (tick + 0.5);
        painter.drawLine(QPointF(bar.left() - tickLength, middle), QPointF(bar.left(), middle));
        const QRectF label(0, middle - cell / 2, bar.left() - tickLength - 2, cell);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tickLabel(tick));
    }
}

} // namespace kalvora::ui
