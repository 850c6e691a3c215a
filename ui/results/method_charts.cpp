#include "method_charts.h"

#include "engine/pmv.h"
#include "ui/shell/twips.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QSplineSeries>
#include <QValueAxis>

namespace kalvora::ui {

namespace {

struct Axis
{
    const char *title; // UTF-8
    double min, max;
    int ticks;
    int minorTicks = 0; // between two labelled ticks
};

// A chart view with two value axes, a legend only when asked, and nothing interactive.
QChartView *createChartView(const Axis &x, const Axis &y, bool legend, QWidget *parent)
{
    auto *chart = new QChart;
    chart->legend()->setVisible(legend);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    for (const auto &[axis, alignment] :
        { std::pair { &x, Qt::AlignBottom }, std::pair { &y, Qt::AlignLeft } }) {
        auto *values = new QValueAxis;
        values->setTitleText(QString::fromUtf8(axis->title));
        values->setRange(axis->min, axis->max);
        values->setTickCount(axis->ticks);
        values->setMinorTickCount(axis->minorTicks);
        values->setLabelFormat(QStringLiteral("%.0f"));
        chart->addAxis(values, alignment);
    }
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

// At least width × height twips, so that the labels and the legend never need eliding.
void setMinimumSizeInTwips(QWidget &view, double width, double height)
{
    view.setMinimumSize(twipsToPixelsX(view, width), twipsToPixelsY(view, height));
}

void addSeries(QChartView *view, QXYSeries *series)
{
    QChart *chart = view->chart();
    chart->addSeries(series);
    for (QAbstractAxis *axis : chart->axes())
        series->attachAxis(axis);
}

} // namespace

QWidget *createPpdChart(QWidget *parent)
{
    constexpr Axis kVote { "IVM", -3, 3, 7 };
    constexpr Axis kDissatisfied { "PPI (%)", 0, 100, 11 };
    QChartView *view = createChartView(kVote, kDissatisfied, false, parent);

    // Votes every 0.05: the curve looks smooth at any size and passes through its 5 % minimum.
    constexpr int kSteps = 120;
    auto *curve = new QLineSeries;
    for (int step = 0; step <= kSteps; ++step) {
        const double vote = kVote.min + (kVote.max - kVote.min) * step / kSteps;
        curve->append(vote, engine::PredictedPercentageDissatisfied(vote));
    }
    addSeries(view, curve);
    setMinimumSizeInTwips(*view, 7200, 4320);
    return view;
}

QWidget *createWbgtReferenceChart(QWidget *parent)
{
    constexpr Axis kMetabolicRate { "Metabolismo (W/m²)", 100, 320, 12 };
    constexpr Axis kWbgt { "WBGT (°C)", 20, 35, 4, 4 }; // a line every degree, a label every 5
    QChartView *view = createChartView(kMetabolicRate, kWbgt, true, parent);

    // Published reference values (°C) for acclimatized workers at light (125 W/m²), moderate
    // (215 W/m²) and heavy (310 W/m²) work, by share of work in each hour.
    struct Regime
    {
        const char *legend;
        double light, moderate, heavy;
    };
    constexpr Regime kRegimes[] = {
        { "25% trabajo - 75% descanso", 32.2, 31.1, 30.0 },
        { "50% trabajo - 50% descanso", 31.4, 29.4, 27.9 },
        { "75% trabajo - 25% descanso", 30.6, 28.0, 25.9 },
        { "Trabajo continuo (8 h)", 30.0, 26.7, 25.0 },
    };
    for (const Regime &regime : kRegimes) {
        auto *curve = new QSplineSeries;
        curve->setName(QString::fromUtf8(regime.legend));
        curve->append(125, regime.light);
        curve->append(215, regime.moderate);
        curve->append(310, regime.heavy);
        addSeries(view, curve);
    }
    setMinimumSizeInTwips(*view, 10080, 5400);
    return view;
}

} // namespace kalvora::ui
