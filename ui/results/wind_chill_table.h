#pragma once
// The equivalence table beside the wind chill categories: chilling temperatures and the wind
// chill indices that produce them, read-only, the same in both languages.

class QTableWidget;
class QWidget;

namespace kalvora::ui {

QTableWidget *createWindChillTable(QWidget *parent);

} // namespace kalvora::ui
