#include "pmv_view.h"

#include "method_charts.h"
#include "model/presentation/scale_positions.h"
#include "pmv_view_captions.h"
#include "ui/shell/app_state.h"
#include "ui/shell/scale_marker.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "view_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kalvora::ui {

namespace {

// The sensation scale in window twips: the panel's corner, the labels' left edge and the tops
// of steps 3 down to −3, each close to 2700 − 420·step, where the arrow stands for that vote.
constexpr double kPanelLeft = 5640;
constexpr double kPanelTop = 1080;
constexpr double kLabelLeft = 6840;
constexpr std::array<double, 7> kStepTops { 1440, 1875, 2280, 2705, 3120, 3540, 3960 };
constexpr double kRowHeight = 255;
constexpr double kArrowLeft = 6360;
constexpr double kArrowLength = 420;
constexpr double kMargin = 120;

int stepIndex(int step)
{
    return 3 - step;
}

} // namespace

PmvView::PmvView(AppState &state, Windows &windows, QWidget *parent)
    : MethodView(state, windows, WindowId::PmvView, parent)
    , m_heading(createHeading("Label1", this))
    , m_vote(new ValueArea(QStringLiteral("PicIVM"), this))
    , m_percentageCaption(createLabel("Label3", this))
    , m_percentage(new ValueArea(QStringLiteral("PicPPI"), this))
    , m_recommended(createLabel("Label4", this))
{
    setObjectName(formObjectName(WindowId::PmvView));

    auto *values = new QVBoxLayout;
    values->addWidget(m_heading);
    values->addWidget(m_vote);
    values->addWidget(m_percentageCaption);
    values->addWidget(m_percentage);
    values->addWidget(m_recommended);
    values->addStretch();

    auto *grid = new QGridLayout(this);
    grid->addLayout(values, 0, 0);
    grid->addWidget(createScale(), 0, 1, Qt::AlignTop);
    grid->addWidget(m_chart = createPpdChart(this), 1, 0, 1, 2);
    // Built last, so that Tab reaches the pictures after the values.
    grid->addWidget(createPictures(), 2, 0, 1, 2);
}

QWidget *PmvView::createScale()
{
    m_scale = new TwipsPanel("GrafIVM", kPanelLeft, kPanelTop, this);
    for (int step = 3; step >= -3; --step)
        m_steps[stepIndex(step)] = createLabel(pmvScaleLabelName(step), m_scale);
    m_arrow = new ScaleMarker(ScaleMarker::Direction::Right, m_scale);
    m_arrow->setObjectName(QStringLiteral("Flecha"));
    m_arrow->setSizeInTwips(kArrowLength, kRowHeight);
    return m_scale;
}

void PmvView::show(const model::MethodResults &results)
{
    const model::Language language = m_state.language();
    m_vote->setLines(
        { valueLine(pmvCaption(PmvText::VotePrefix), results.IVM, { "", "" }, language) });
    m_percentage->setLines({ valueLine(pmvCaption(PmvText::PercentagePrefix), results.PPI,
        pmvCaption(PmvText::PercentSuffix), language) });
    placeArrow(results.IVM);
}

void PmvView::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(pmvCaption(PmvText::Title), language));
    m_heading->setText(pick(pmvCaption(PmvText::Label1), language));
    m_percentageCaption->setText(pick(pmvCaption(PmvText::Label3), language));
    m_percentage->setAccessibleDescription(m_percentageCaption->text());
    m_recommended->setText(pick(pmvCaption(PmvText::Label4), language));
    m_chart->setAccessibleName(pick(pmvCaption(PmvText::Chart), language));
    for (int step = 3; step >= -3; --step) {
        QLabel *label = m_steps[stepIndex(step)];
        label->setText(pick(pmvScaleCaption(step), language));
        m_scale->setRowHeight(*label, kRowHeight);
        m_scale->place(*label, kLabelLeft, kStepTops[stepIndex(step)]);
    }
}

void PmvView::placeArrow(double IVM)
{
    m_scale->place(*m_arrow, kArrowLeft, model::pmvArrowTop(IVM));
    const int faced = model::pmvScaleStep(IVM);
    const model::Language language = m_state.language();
    m_arrow->setAccessibleName(pick(arrowCaption(ArrowText::Name), language));
    m_arrow->setAccessibleDescription(pick(arrowCaption(ArrowText::PointsAt), language)
        + m_steps[stepIndex(faced)]->text().simplified());
    m_scale->fitChildren(model::pmvArrowTop(-3) + kRowHeight, kMargin);
}

} // namespace kalvora::ui
