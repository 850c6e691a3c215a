#include "wind_chill_table.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

namespace kalvora::ui {

QTableWidget *createWindChillTable(QWidget *parent)
{
    // Chilling temperature (°C) and wind chill index (W/m²), warmest first.
    struct Pair
    {
        int tch, wci;
    };
    constexpr Pair kPairs[] = { { 31, 50 }, { 25, 200 }, { 17, 400 }, { -14, 1200 }, { -22, 1400 },
        { -30, 1600 }, { -38, 1800 }, { -45, 2000 }, { -53, 2200 }, { -61, 2400 }, { -69, 2600 } };

    auto *table = new QTableWidget(int(std::size(kPairs)), 2, parent);
    table->setObjectName(QStringLiteral("Picture1"));
    table->setHorizontalHeaderLabels(
        { QString::fromUtf8("Tch (°C)"), QString::fromUtf8("WCI (W/m²)") });
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Whole numbers of a fixed table, written alike in both languages: no thousands separator
    // (a Spanish locale would group only from five digits, an English one from four).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    int row = 0;
    for (const Pair &pair : kPairs) {
        int column = 0;
        for (const int value : { pair.tch, pair.wci }) {
            auto *item = new QTableWidgetItem(locale.toString(value));
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column++, item);
        }
        ++row;
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // Every row shown, no scrolling: the table is a fixed picture of the pairs.
    const int frame = 2 * table->frameWidth();
    table->setFixedSize(table->horizontalHeader()->length() + frame,
        table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() + frame);
    return table;
}

} // namespace kalvora::ui
