#pragma once
// The application ranges view: the validity ranges of PMV, HSI, WBGT and SWreq beside the values
// of the current evaluation, every range the values break shown in red (and bold, and named so
// by its accessible name). Built fresh at every opening; it holds no state.

#include "model/application_ranges.h"
#include "ui/shell/caption.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace kalvora::ui {

class AppState;
class Windows;
class ValueArea;

class RangesView : public QWidget
{
    Q_OBJECT
public:
    RangesView(const AppState &state, Windows &windows, QWidget *parent = nullptr);

private:
    QWidget *createValuesPanel(QWidget *parent);
    QLabel *addLabel(QGridLayout *grid, const char *name, const QString &text, int row, int column);
    void addValueRow(
        QGridLayout *grid, int row, const char *caption, const char *box, const char *unit);
    void copyCaptions();
    void drawValues();
    void markBrokenRanges();

    QLabel *label(const char *name) const;
    ValueArea *box(const char *name) const;
    QString text(model::Caption caption) const;

    const AppState &m_state;
    Windows &m_windows;
};

} // namespace kalvora::ui
