#include "wci_view.h"

#include "ui/shell/app_state.h"
#include "ui/shell/scale_marker.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "view_parts.h"
#include "wci_view_captions.h"
#include "wind_chill_table.h"

#include <QGridLayout>
#include <QLabel>
#include <QTableWidget>

namespace kalvora::ui {

using model::ColdCategory;

namespace {

// The category scale in window twips: the panel's corner, the table's corner, the arrow's left
// edge and size, the categories' left edge and their tops, warmest first.
constexpr double kPanelLeft = 600;
constexpr double kPanelTop = 2040;
constexpr double kTableLeft = 720;
constexpr double kTableTop = 2160;
constexpr double kArrowLeft = 4350;
constexpr double kArrowLength = 420;
constexpr double kArrowHeight = 375;
constexpr double kCategoryLeft = 4920;
constexpr std::array<double, model::kColdCategoryCount> kCategoryTops { 2280, 2680, 3140, 3650,
    4080, 4680, 5400, 6120 };
constexpr double kMargin = 120;

ColdCategory categoryAt(int index)
{
    return static_cast<ColdCategory>(index);
}

} // namespace

WindChillView::WindChillView(AppState &state, Windows &windows, QWidget *parent)
    : MethodView(state, windows, WindowId::WindChillView, parent)
    , m_heading(createHeading("Label1", this))
    , m_indexCaption(createLabel("Label2", this))
    , m_index(new ValueArea(QStringLiteral("CalculoWCI"), this))
    , m_chillCaption(createLabel("Label3", this))
    , m_chill(new ValueArea(QStringLiteral("Calculotch"), this))
    , m_scaleHeading(new ValueArea(QStringLiteral("TitGRAF"), this))
{
    setObjectName(formObjectName(WindowId::WindChillView));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(m_indexCaption, 1, 0);
    grid->addWidget(m_index, 1, 1);
    grid->addWidget(m_chillCaption, 2, 0);
    grid->addWidget(m_chill, 2, 1);
    grid->addWidget(m_scaleHeading, 3, 0, 1, 2);
    grid->addWidget(createScale(), 4, 0, 1, 2);
    // Built last, so that Tab reaches the pictures after the values.
    grid->addWidget(createPictures(), 5, 0, 1, 2);
}

QWidget *WindChillView::createScale()
{
    m_scale = new TwipsPanel("scale", kPanelLeft, kPanelTop, this);
    m_table = createWindChillTable(m_scale);
    m_scale->place(*m_table, kTableLeft, kTableTop);
    for (int index = 0; index < model::kColdCategoryCount; ++index)
        m_categories[index]
            = new ValueArea(QString::fromUtf8(coldCategoryText(categoryAt(index)).name), m_scale);
    m_arrow = new ScaleMarker(ScaleMarker::Direction::Right, m_scale);
    m_arrow->setObjectName(QStringLiteral("Flecha"));
    m_arrow->setSizeInTwips(kArrowLength, kArrowHeight);
    return m_scale;
}

void WindChillView::show(const model::MethodResults &results)
{
    const model::Language language = m_state.language();
    m_index->setLines({ valueLine(
        wciCaption(WciText::IndexPrefix), results.WCI, wciCaption(WciText::IndexUnit), language) });
    m_chill->setLines({ valueLine(
        wciCaption(WciText::ChillPrefix), results.tch, wciCaption(WciText::ChillUnit), language) });
    placeArrow(results.tch);
}

void WindChillView::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(wciCaption(WciText::Title), language));
    m_heading->setText(pick(wciCaption(WciText::Label1), language));
    m_indexCaption->setText(pick(wciCaption(WciText::Label2), language));
    m_index->setAccessibleDescription(m_indexCaption->text());
    m_chillCaption->setText(pick(wciCaption(WciText::Label3), language));
    m_chill->setAccessibleDescription(m_chillCaption->text());
    m_scaleHeading->setLines({ pick(wciCaption(WciText::TitGRAF), language) });
    m_table->setAccessibleName(pick(wciCaption(WciText::Table), language));
    for (int index = 0; index < model::kColdCategoryCount; ++index) {
        const ColdCategoryText &text = coldCategoryText(categoryAt(index));
        QStringList lines { pick(text.first, language) };
        if (const QString second = pick(text.second, language); !second.isEmpty())
            lines << second;
        ValueArea *area = m_categories[index];
        area->setLines(lines);
        area->adjustSize();
        m_scale->place(*area, kCategoryLeft, kCategoryTops[index]);
    }
}

void WindChillView::placeArrow(double tch)
{
    const ColdCategory category = model::coldCategory(tch);
    m_scale->place(*m_arrow, kArrowLeft, model::coldArrowTop(category));
    const model::Language language = m_state.language();
    m_arrow->setAccessibleName(pick(arrowCaption(ArrowText::Name), language));
    m_arrow->setAccessibleDescription(pick(arrowCaption(ArrowText::PointsAt), language)
        + m_categories[int(category)]->text().simplified());
    m_scale->fitChildren(kCategoryTops.back(), kMargin);
}

} // namespace kalvora::ui
