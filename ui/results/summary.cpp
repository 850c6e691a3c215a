#include "summary.h"

#include "balance_panel.h"
#include "method_views.h"
#include "model/presentation/results_summary.h"
#include "summary_captions.h"
#include "summary_rows.h"
#include "ui/shell/app_state.h"
#include "ui/shell/rating_light.h"
#include "ui/shell/view_picture_row.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kalvora::ui {

using model::Method;

ResultsSummary::ResultsSummary(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
    , m_rows(new SummaryRows(state.language(), this))
    , m_balance(new BalancePanel(state.language(), this))
    , m_pictures(new ViewPictureRow(*this, { .print = "Picture9" }))
{
    setObjectName(formObjectName(WindowId::ResultsSummary));
    connect(m_rows, &SummaryRows::ratingActivated, this, &ResultsSummary::onRatingActivated);
    connect(m_rows, &SummaryRows::rangeActivated, this,
        [this] { m_windows.open(WindowId::RangesView); });
    connectViewActions(*m_pictures, m_state, m_windows, WindowId::ResultsSummary);

    auto *top = new QHBoxLayout;
    top->addWidget(m_rows, 1);
    top->addWidget(createLegend());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_balance, 1);
    layout->addWidget(m_pictures, 0, Qt::AlignRight);
}

QWidget *ResultsSummary::createLegend()
{
    struct Entry
    {
        const char *label;
        SummaryText caption;
        std::int16_t rating;
    };
    constexpr Entry kStrain[] = {
        { "Label19", SummaryText::Label19, 2 },
        { "Label20", SummaryText::Label20, 1 },
        { "Label21", SummaryText::Label21, 0 },
    };
    constexpr Entry kRange[] = {
        { "Label22", SummaryText::Label22, 0 },
        { "Label23", SummaryText::Label23, 2 },
    };
    const model::Language language = m_state.language();
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    int row = 0;
    const auto add = [&](const Entry &e) {
        const QString caption = pick(summaryCaption(e.caption), language);
        auto *sample = new RatingLight(QString(), box);
        sample->setRating(e.rating, caption);
        auto *label = new QLabel(caption, box);
        label->setObjectName(QString::fromUtf8(e.label));
        grid->addWidget(sample, row, 0);
        grid->addWidget(label, row++, 1);
    };
    for (const Entry &e : kStrain)
        add(e);
    auto *heading = new QLabel(pick(summaryCaption(SummaryText::Label24), language), box);
    heading->setObjectName(QStringLiteral("Label24"));
    grid->addWidget(heading, row++, 0, 1, 2);
    for (const Entry &e : kRange)
        add(e);
    grid->setRowStretch(row, 1);
    return box;
}

void ResultsSummary::load()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(summaryCaption(SummaryText::Title), language));
    m_pictures->applyCaptions(language);
    const model::InputParameters &input = m_state.input();
    const model::EvaluationScope &scope = m_state.session().scope();
    m_rows->fill(input, scope, m_state.results());
    // M as typed now, read by the same rule as every input.
    m_balance->fill(model::shownMethods(input, scope), m_state.results(),
        input.value(model::Field::Metabolismo));
}

void ResultsSummary::onRatingActivated(Method method)
{
    // Asked at the press, the input form may have changed: a method not selected, or one whose
    // values the last evaluation did not produce, has no view to open.
    if (model::summaryStanding(method, m_state.input(), m_state.session().scope())
        != model::SummaryStanding::Shown)
        return;
    m_state.setCont(1);
    m_windows.open(methodView(method));
}

} // namespace kalvora::ui
