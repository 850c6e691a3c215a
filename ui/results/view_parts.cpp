#include "view_parts.h"

#include "ui/shell/number_format.h"
#include "ui/shell/twips.h"

#include <QLabel>
#include <algorithm>

namespace kalvora::ui {

Caption arrowCaption(ArrowText text)
{
    switch (text) {
    case ArrowText::Name:
        return { "Flecha de la escala", "Scale arrow" };
    case ArrowText::PointsAt:
        return { "Señala: ", "Points at: " };
    }
    return { "", "" };
}

QLabel *createLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *createHeading(const char *name, QWidget *parent)
{
    QLabel *heading = createLabel(name, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

QString valueLine(Caption prefix, double value, Caption unit, model::Language language)
{
    return pick(prefix, language) + formatNumber(value, NumberPattern::Grouped2)
        + pick(unit, language);
}

TwipsPanel::TwipsPanel(const char *name, double originX, double originY, QWidget *parent)
    : QWidget(parent)
    , m_originX(originX)
    , m_originY(originY)
{
    setObjectName(QString::fromUtf8(name));
}

QPoint TwipsPanel::point(double x, double y) const
{
    return twipsToPoint(*this, x - m_originX, y - m_originY);
}

void TwipsPanel::place(QWidget &child, double x, double y) const
{
    placeAtTwips(child, x - m_originX, y - m_originY);
}

void TwipsPanel::setRowHeight(QWidget &child, double height) const
{
    child.resize(child.sizeHint().width(), twipsToPixelsY(child, height));
}

void TwipsPanel::fitChildren(double bottom, double margin)
{
    const QRect used = childrenRect();
    const int lowest = std::max(used.bottom() + 1, twipsToPixelsY(*this, bottom - m_originY));
    setFixedSize(
        used.right() + 1 + twipsToPixelsX(*this, margin), lowest + twipsToPixelsY(*this, margin));
}

} // namespace kalvora::ui
