#pragma once
// The lower part of the results summary: the heat balance of one method (chosen by the model) as
// a bar chart of its seven terms with their values, the verbal reading of each term, and the
// class of the metabolic power. Filled once, when the summary loads.

#include "model/language.h"
#include "model/method_results.h"
#include "model/presentation/thermal_balance.h"

#include <QWidget>

class QGridLayout;
class QLabel;

namespace kalvora::ui {

class ValueArea;

class BalancePanel : public QWidget
{
    Q_OBJECT
public:
    explicit BalancePanel(model::Language language, QWidget *parent = nullptr);

    /// Fills the note, the chart and the text areas from the methods whose values the summary
    /// shows; M is the metabolic power (W/m²) the summary read at its load.
    void fill(const model::ShownMethods &shown, const model::MethodResults &results, double M);

private:
    QWidget *createReadings();
    QWidget *createChart();
    void addReading(
        QGridLayout *grid, const char *label, const char *area, const QString &text, int row);
    void fillChart(const std::array<model::BalanceTerm, model::kBalanceTermCount> &terms);
    void fillReadings(const model::HeatBalance &balance);
    QString flow(double value) const;
    QString text(model::Caption caption) const;

    model::Language m_language;
    QWidget *m_chartHolder = nullptr;
};

} // namespace kalvora::ui
