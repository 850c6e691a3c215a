#pragma once
// The air-velocity sweep: the selected methods recomputed for sixteen air velocities, one row per
// velocity, each row coloured by its worst rating (and the verdict also given in words to
// assistive technology). It computes once, when it loads. The whole table can be copied as
// tab-separated text, and the window printed.

#include "model/sweep.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>
#include <vector>

class QLabel;
class QTableWidget;

namespace kalvora::ui {

class AppState;
class ViewPictureRow;
class Windows;

class SweepWindow : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    SweepWindow(AppState &state, Windows &windows, QWidget *parent = nullptr);
    /// Computes the sweep over the current inputs and the hub's results and fills the table.
    void load() override;

    /// The table as a spreadsheet takes it: a line of column headers, then one line per row,
    /// cells separated by tabs, without the blanks that align them on screen.
    QString tableText() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createGroupHeaders();
    QTableWidget *createTable();
    void fill(const model::Sweep &sweep);
    void placeGroupHeaders();
    void copyTable();

    AppState &m_state;
    Windows &m_windows;
    QWidget *m_groupStrip = nullptr;
    std::vector<QLabel *> m_groupLabels;
    QTableWidget *m_table = nullptr;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
