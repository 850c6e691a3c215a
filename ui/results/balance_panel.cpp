#include "balance_panel.h"

#include "summary_captions.h"
#include "ui/shell/control_name.h"
#include "ui/shell/number_format.h"
#include "ui/shell/value_area.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace kalvora::ui {

namespace {

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Heat-flow values on the chart's value axis: whole W/m², enough for terms of tens to hundreds.
constexpr char kAxisLabelFormat[] = "%.0f";

} // namespace

BalancePanel::BalancePanel(model::Language language, QWidget *parent)
    : QWidget(parent)
    , m_language(language)
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createReadings());
    layout->addWidget(createChart(), 1);
}

QString BalancePanel::text(model::Caption caption) const
{
    return pick(caption, m_language);
}

QString BalancePanel::flow(double value) const
{
    return formatNumber(value, NumberPattern::Grouped2)
        + text(summaryCaption(SummaryText::HeatFlowUnit));
}

void BalancePanel::addReading(
    QGridLayout *grid, const char *label, const char *area, const QString &text, int row)
{
    auto *caption = namedLabel(QString::fromUtf8(label), text, this);
    auto *values = new ValueArea(QString::fromUtf8(area), this);
    values->setAccessibleDescription(text);
    caption->setBuddy(values);
    // The caption level with the first line of its value, which starts inside the area's frame.
    caption->setContentsMargins(0, values->frameWidth() + values->margin(), 0, 0);
    grid->addWidget(caption, row, 0, Qt::AlignTop);
    grid->addWidget(values, row, 1);
}

QWidget *BalancePanel::createReadings()
{
    struct Reading
    {
        SummaryText caption;
        const char *label;
        const char *area;
    };
    const Reading readings[] = {
        { SummaryText::Label1, "Label1", "equilibrio" },
        { SummaryText::Label2, "Label2", "Metab" },
        { SummaryText::Label3, "Label3", "rad" },
        { SummaryText::Label4, "Label4", "conv" },
        { SummaryText::Label5, "Label5", "cresp" },
        { SummaryText::Label6, "Label6", "eresp" },
        { SummaryText::Label7, "Label7", "ev" },
        { SummaryText::Label18, "Label18", "acumulado" },
    };
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->addWidget(namedLabel(controlName("ISOgraf", 0), QString(), this), 0, 0, 1, 2);
    // The same width whether the readings are written or left empty; a reading that needs more
    // takes it (fillReadings).
    constexpr int kReadingCharacters = 40;
    grid->setColumnMinimumWidth(1, kReadingCharacters * fontMetrics().averageCharWidth());
    int row = 1;
    for (const Reading &r : readings)
        addReading(grid, r.label, r.area, text(summaryCaption(r.caption)), row++);
    // Each row as high as its value: height to spare goes below the last one.
    grid->setRowStretch(row, 1);
    return box;
}

QWidget *BalancePanel::createChart()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->addWidget(
        namedLabel(QStringLiteral("Label16"), text(summaryCaption(SummaryText::Label16)), this), 0,
        Qt::AlignHCenter);
    m_chartHolder = new QWidget(box);
    new QVBoxLayout(m_chartHolder);
    column->addWidget(m_chartHolder, 1);
    column->addWidget(namedLabel(controlName("ISOgraf", 1), QString(), this), 0, Qt::AlignHCenter);
    return box;
}

void BalancePanel::fill(
    const model::ShownMethods &shown, const model::MethodResults &results, double M)
{
    const model::HeatBalance balance = model::chooseBalance(shown, results, M);
    const QString note = text(model::balanceNote(balance.source));
    findChild<QLabel *>(controlName("ISOgraf", 0))->setText(note);
    findChild<QLabel *>(controlName("ISOgraf", 1))->setText(note);

    fillChart(model::balanceTerms(balance, M));

    findChild<ValueArea *>(QStringLiteral("Metab"))
        ->setLines({ QStringLiteral("M = ") + flow(M), text(model::metabolicClass(M)) });
    if (model::balanceReadingsShown(shown))
        fillReadings(balance);
}

void BalancePanel::fillChart(const std::array<model::BalanceTerm, model::kBalanceTermCount> &terms)
{
    auto *values = new QBarSet(text(summaryCaption(SummaryText::Label16)));
    QStringList labels;
    QStringList spoken;
    double low = 0;
    double high = 0;
    // Horizontal bars leave the long term names room to be read in full. They are drawn from the
    // bottom up, so the terms go in last to first: the metabolic power on top, the others below
    // it in their order, as the readings beside the chart.
    for (auto term = terms.rbegin(); term != terms.rend(); ++term) {
        // A term that is not a finite number draws no bar.
        const double value = std::isfinite(term->value) ? term->value : 0.0;
        values->append(value);
        labels << text(term->label);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    for (const model::BalanceTerm &term : terms)
        spoken << text(term.label).trimmed() + QStringLiteral(": ") + flow(term.value);
    auto *series = new QHorizontalBarSeries;
    series->append(values);

    auto *chart = new QChart;
    chart->addSeries(series);
    chart->legend()->hide();
    auto *categories = new QBarCategoryAxis;
    categories->append(labels);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto *flowAxis = new QValueAxis;
    flowAxis->setRange(low, high > low ? high : low + 1);
    flowAxis->applyNiceNumbers();
    flowAxis->setLabelFormat(QString::fromLatin1(kAxisLabelFormat));
    flowAxis->setTitleText(text(summaryCaption(SummaryText::ChartAxis)));
    chart->addAxis(flowAxis, Qt::AlignBottom);
    series->attachAxis(flowAxis);

    auto *view = new QChartView(chart, m_chartHolder);
    view->setObjectName(QStringLiteral("MSChart1"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(520, 300);
    view->setAccessibleName(text(summaryCaption(SummaryText::Label16)));
    view->setAccessibleDescription(spoken.join(QStringLiteral("; ")));
    view->setFocusPolicy(Qt::StrongFocus);
    m_chartHolder->layout()->addWidget(view);

    connect(series, &QHorizontalBarSeries::hovered, view,
        [view, spoken](bool inside, int index, QBarSet *) {
            // index counts the bars from the bottom, spoken the terms from the top.
            const qsizetype term = spoken.size() - 1 - index;
            if (inside && term >= 0 && term < spoken.size())
                QToolTip::showText(QCursor::pos(), spoken.at(term), view);
            else
                QToolTip::hideText();
        });
}

void BalancePanel::fillReadings(const model::HeatBalance &b)
{
    // Each reading with air either side of its longest line.
    const auto write = [this](const char *name, const QStringList &lines) {
        auto *area = findChild<ValueArea *>(QString::fromUtf8(name));
        area->setLines(lines);
        area->reserveWidthFor(lines);
    };
    write("equilibrio", { text(model::balanceVerdict(b.A)) });
    const model::AccumulatedReading accumulated = model::accumulatedReading(b.A);
    write("acumulado", { text(accumulated.words) + flow(accumulated.magnitude) });
    write("rad", { text(model::radiationReading(b.R)), QStringLiteral("R = ") + flow(b.R) });
    write("conv", { text(model::convectionReading(b.C)), QStringLiteral("C = ") + flow(b.C) });
    write("cresp", { QStringLiteral("Cres = ") + flow(b.Cres) });
    write("eresp", { QStringLiteral("Eres = ") + flow(b.Eres) });
    write("ev", { QStringLiteral("E = ") + flow(b.E) });
}

} // namespace kalvora::ui
