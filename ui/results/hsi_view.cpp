#include "hsi_view.h"

#include "hsi_scale.h"
#include "hsi_view_captions.h"
#include "model/exposure.h"
#include "model/presentation/scale_positions.h"
#include "model/presentation/unlimited_exposure.h"
#include "ui/shell/app_state.h"
#include "ui/shell/number_format.h"
#include "ui/shell/scale_marker.h"
#include "ui/shell/twips.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "view_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace kalvora::ui {

namespace {

// The index scale in window twips. The arrow (375 high) points right at the tick labels; its
// middle stands 187.5 below its top. The scale's fourteen ticks are one 287-twips step apart,
// each level with the arrow's middle for its index, ">100" one step above 100. The categories
// (255 high) stand right of the scale.
constexpr double kPanelLeft = 5400;
constexpr double kPanelTop = 2520;
constexpr double kArrowLeft = 5640;
constexpr double kArrowLength = 360;
constexpr double kArrowHeight = 375;
constexpr double kScaleLeft = kArrowLeft + kArrowLength;
constexpr double kScaleWidth = 760;
constexpr double kTickStep = 287;
constexpr double kCategoryLeft = 6800;
constexpr double kCategoryHalfHeight = 127.5;
constexpr double kMargin = 120;

double arrowMiddle(double top)
{
    return top + kArrowHeight / 2;
}

} // namespace

HsiView::HsiView(AppState &state, Windows &windows, QWidget *parent)
    : MethodView(state, windows, WindowId::HsiView, parent)
    , m_heading(createHeading("TISC", this))
    , m_indexCaption(createLabel("T2ISC", this))
    , m_indexSymbol(createLabel("Label5", this))
    , m_index(new ValueArea(QStringLiteral("IISC"), this))
    , m_timeCaption(createLabel("TTEP", this))
    , m_timeSymbol(createLabel("Label6", this))
    , m_time(new ValueArea(QStringLiteral("ITEP"), this))
    , m_scaleHeading(new ValueArea(QStringLiteral("TitISC"), this))
{
    setObjectName(formObjectName(WindowId::HsiView));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 3);
    grid->addWidget(m_indexCaption, 1, 0);
    grid->addWidget(m_indexSymbol, 1, 1);
    grid->addWidget(m_index, 1, 2);
    grid->addWidget(m_timeCaption, 2, 0);
    grid->addWidget(m_timeSymbol, 2, 1);
    grid->addWidget(m_time, 2, 2);
    grid->addWidget(m_scaleHeading, 3, 0, 1, 3);
    grid->addWidget(createScale(), 4, 0, 1, 3, Qt::AlignHCenter);
    // Built last, so that Tab reaches the pictures after the values.
    grid->addWidget(createPictures(), 5, 0, 1, 3);
}

QWidget *HsiView::createScale()
{
    m_scale = new TwipsPanel("scale", kPanelLeft, kPanelTop, this);
    m_ticks = new HsiScale(m_scale);
    const double firstTick = arrowMiddle(model::hsiScaleTop(HsiScale::tickIndex(0)));
    m_scale->place(*m_ticks, kScaleLeft, firstTick - kTickStep / 2);
    resizeToTwips(*m_ticks, kScaleWidth, HsiScale::kTickCount * kTickStep);
    for (const StrainCategory &category : kStrainCategories) {
        // Read as the scale's legend: text on the window's ground, no box.
        auto *area = new ValueArea(QString::fromUtf8(category.name), m_scale);
        area->setFrameStyle(QFrame::NoFrame);
        area->setAutoFillBackground(false);
        m_categories.push_back(area);
    }
    m_arrow = new ScaleMarker(ScaleMarker::Direction::Right, m_scale);
    m_arrow->setObjectName(QStringLiteral("flecha"));
    m_arrow->setSizeInTwips(kArrowLength, kArrowHeight);
    return m_scale;
}

void HsiView::show(const model::MethodResults &results)
{
    const model::Language language = m_state.language();
    m_index->setLines(
        { valueLine({ "", "" }, results.ISC, hsiCaption(HsiText::IndexUnit), language) });
    const bool limited = model::isHeatStressExposureLimited(results.ISC, results.TEP);
    m_time->setLines(
        { limited ? valueLine({ "", "" }, *results.TEP, hsiCaption(HsiText::TimeUnit), language)
                  : pick(model::unlimitedExposure(model::UnlimitedExposure::HsiView), language) });
    placeArrow(results.ISC);
}

void HsiView::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(hsiCaption(HsiText::Title), language));
    m_heading->setText(pick(hsiCaption(HsiText::TISC), language));
    m_indexCaption->setText(pick(hsiCaption(HsiText::T2ISC), language));
    m_indexSymbol->setText(pick(hsiCaption(HsiText::Label5), language));
    m_index->setAccessibleDescription(m_indexCaption->text());
    m_timeCaption->setText(pick(hsiCaption(HsiText::TTEP), language));
    m_timeSymbol->setText(pick(hsiCaption(HsiText::Label6), language));
    m_time->setAccessibleDescription(m_timeCaption->text());
    // Room in both boxes for a four-digit value with its unit, or the unlimited text.
    const QStringList longest { valueLine(
                                    { "", "" }, -9999.99, hsiCaption(HsiText::TimeUnit), language),
        pick(model::unlimitedExposure(model::UnlimitedExposure::HsiView), language) };
    m_index->reserveWidthFor(longest);
    m_time->reserveWidthFor(longest);
    m_scaleHeading->setLines({ pick(hsiCaption(HsiText::TISC), language) });

    int index = 0;
    for (const StrainCategory &category : kStrainCategories) {
        ValueArea *area = m_categories[index++];
        area->setLines({ pick(category.caption, language) });
        area->adjustSize();
        m_scale->place(*area, kCategoryLeft, category.top);
    }
}

void HsiView::placeArrow(double ISC)
{
    const double top = model::hsiArrowTop(ISC);
    m_scale->place(*m_arrow, kArrowLeft, top);
    // The category whose middle is nearest to the arrow's middle is the one it faces.
    const auto distance = [middle = arrowMiddle(top)](const StrainCategory &category) {
        return std::fabs(middle - (category.top + kCategoryHalfHeight));
    };
    const auto faced = std::min_element(std::begin(kStrainCategories), std::end(kStrainCategories),
        [&distance](const StrainCategory &a, const StrainCategory &b) {
            return distance(a) < distance(b);
        });
    const model::Language language = m_state.language();
    m_arrow->setAccessibleName(pick(arrowCaption(ArrowText::Name), language));
    m_arrow->setAccessibleDescription(
        pick(arrowCaption(ArrowText::PointsAt), language) + pick(faced->caption, language));
    m_scale->fitChildren(model::hsiArrowTop(-25) + kArrowHeight, kMargin);
}

} // namespace kalvora::ui
