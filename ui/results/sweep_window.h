#pragma once
// The air-velocity sweep: the selected methods recomputed for sixteen air velocities, one row per
// velocity, each row coloured by its worst rating (and the verdict also given in words to
// assistive technology). It computes once, when it loads. The whole table can be copied as
// tab-separated text, and the window printed.

#include "model/sweep.h"

#include <QWidget>
#include <vector>

class QLabel;
class QTableWidget;

namespace kalvora::ui {

class AppState;
class Windows;

class Form11 : public QWidget
{
    Q_OBJECT
public:
    Form11(AppState &state, Windows &windows, QWidget *parent = nullptr);

    /// The table as a spreadsheet takes it: a line of column headers, then one line per row,
    /// cells separated by tabs, without the blanks that align them on screen.
    QString tableText() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createGroupHeaders();
    QTableWidget *createTable();
    QLayout *createPictureRow();
    void fill(const model::Sweep &sweep);
    void placeGroupHeaders();
    void copyTable();

    AppState &m_state;
    Windows &m_windows;
    QWidget *m_groupStrip = nullptr;
    std::vector<QLabel *> m_groupLabels;
    QTableWidget *m_table = nullptr;
};

} // namespace kalvora::ui
