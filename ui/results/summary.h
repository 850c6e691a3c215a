#pragma once
// The results summary: one row per method with its result line, rating light and application-
// range light, the legends, and below them the heat balance of one method. Filled once per load
// from the input set and the results record. A rating light of a selected method opens the
// method's view (and marks the summary as the way there); a range light opens the application
// ranges view; the print picture prints the window's image.

#include "model/input_parameters.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>

namespace kalvora::ui {

class AppState;
class BalancePanel;
class SummaryRows;
class ViewPictureRow;
class Windows;

class ResultsSummary : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    ResultsSummary(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;

private:
    QWidget *createLegend();
    void onRatingActivated(model::Method method);

    AppState &m_state;
    Windows &m_windows;
    SummaryRows *m_rows = nullptr;
    BalancePanel *m_balance = nullptr;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
