#include "ireq_view.h"

#include "gradient_panel.h"
#include "model/exposure.h"
#include "model/presentation/scale_positions.h"
#include "model/presentation/unlimited_exposure.h"
#include "model/ratings.h"
#include "ui/shell/app_state.h"
#include "ui/shell/number_format.h"
#include "ui/shell/rating_light.h"
#include "ui/shell/twips.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "view_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace kalvora::ui {

namespace {

// One line of the values: caption, symbol, value area, unit.
struct ValueRow
{
    const char *captionName;
    IreqText caption;
    const char *symbolName;
    IreqText symbol;
    const char *area;
    const char *unitName;
    IreqText unit;
};
constexpr ValueRow kValueRows[] = {
    { "Label10", IreqText::Label10, "Label3", IreqText::Label3, "IREQ1", "Label11", IreqText::Clo },
    { "Label12", IreqText::Label12, "Label15", IreqText::Label15, "IREQ2", "Label13",
        IreqText::Clo },
    { "Label14", IreqText::Label14, "Label16", IreqText::Label16, "Iclod", "Label2",
        IreqText::Clo },
    { "Label4", IreqText::Label4, "Label8", IreqText::Label8, "PDLEmin", "Label6",
        IreqText::Hours },
    { "Label5", IreqText::Label5, "Label17", IreqText::Label17, "PDLEneut", "Label7",
        IreqText::Hours },
};
enum ValueIndex { Minimal, Neutral, Worn, ExposureMinimal, ExposureNeutral };

// The clothing list in window twips: the panel's corner, the list's left edge, the background
// behind it, the markers' left edges (the worn square sits 15 below its row) and their size.
constexpr double kPanelLeft = 1440;
constexpr double kPanelTop = 720;
constexpr double kListLeft = 2160;
constexpr double kBackgroundLeft = 2100;
constexpr double kBackgroundTop = 780;
constexpr double kBackgroundBottom = 6100;
constexpr double kLightLeft = 1600;
constexpr double kLightDrop = 15;
constexpr double kLightWidth = 70;
constexpr double kLightHeight = 225;
constexpr double kWornLeft = 1680;
constexpr double kMinimalLeft = 1680;
constexpr double kNeutralLeft = 1590;
constexpr double kRowHeight = 255;
constexpr double kMargin = 120;
// Pixels between two markers set side by side.
constexpr int kMarkerGap = 2;

/// The exposure under a requirement: its hours while they limit, "Ilimit." otherwise.
QString exposureText(
    double Iclr, double required, const std::optional<double> &duration, model::Language language)
{
    if (!model::isInsulationExposureLimited(duration, Iclr, required))
        return pick(model::unlimitedExposure(model::UnlimitedExposure::IreqView), language);
    return formatNumber(*duration, NumberPattern::Grouped2);
}

IreqText verdict(std::int16_t rating)
{
    switch (rating) {
    case 0:
        return IreqText::MarkerEnough;
    case 1:
        return IreqText::MarkerBetween;
    default:
        return IreqText::MarkerTooLittle;
    }
}

} // namespace

IreqView::IreqView(AppState &state, Windows &windows, QWidget *parent)
    : MethodView(state, windows, WindowId::IreqView, parent)
{
    setObjectName(formObjectName(WindowId::IreqView));

    auto *grid = new QGridLayout(this);
    grid->addLayout(createValues(), 0, 0, Qt::AlignTop);
    grid->addWidget(createClothingList(), 0, 1, Qt::AlignTop);
    // Built last, so that Tab reaches the pictures after the values.
    grid->addWidget(createPictures(), 1, 0, 1, 2);
}

QLayout *IreqView::createValues()
{
    auto *grid = new QGridLayout;
    int line = 0;
    for (const auto &[name, text] :
        { std::pair { "Label1", IreqText::Label1 }, std::pair { "Label9", IreqText::Label9 } }) {
        QLabel *heading = createHeading(name, this);
        m_labels.emplace_back(heading, text);
        grid->addWidget(heading, line++, 0, 1, 3);
    }
    for (const ValueRow &row : kValueRows) {
        QLabel *caption = createLabel(row.captionName, this);
        m_labels.emplace_back(caption, row.caption);
        grid->addWidget(caption, line++, 0, 1, 3);
        QLabel *symbol = createLabel(row.symbolName, this);
        m_labels.emplace_back(symbol, row.symbol);
        grid->addWidget(symbol, line, 0, Qt::AlignRight);
        auto *area = new ValueArea(QString::fromUtf8(row.area), this);
        area->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values.push_back(area);
        grid->addWidget(area, line, 1);
        QLabel *unit = createLabel(row.unitName, this);
        m_labels.emplace_back(unit, row.unit);
        grid->addWidget(unit, line++, 2);
    }
    grid->setRowStretch(line, 1);
    return grid;
}

QWidget *IreqView::createClothingList()
{
    m_list = new TwipsPanel("clothingList", kPanelLeft, kPanelTop, this);
    m_background = new GradientPanel(m_list);
    for (const ClothingRow &row : kClothingRows)
        m_clothing.push_back(createLabel(row.name, m_list));
    m_wornLight = new RatingLight(QStringLiteral("cId"), m_list);
    resizeToTwips(*m_wornLight, kLightWidth, kLightHeight);
    m_wornMarker = createLabel("tId", m_list);
    m_minimalMarker = createLabel("min", m_list);
    m_neutralMarker = createLabel("Neut", m_list);
    return m_list;
}

void IreqView::show(const model::MethodResults &results)
{
    // The worn insulation as typed on the input form, read by the input rule.
    const double Iclr = m_state.input().value(model::Field::Iclo);
    writeValues(results, Iclr);
    placeMarkers(results, Iclr);
}

void IreqView::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(ireqCaption(IreqText::Title), language));
    for (const auto &[label, text] : m_labels)
        label->setText(pick(ireqCaption(text), language));
    int index = 0;
    for (const ValueRow &row : kValueRows)
        m_values[index++]->setAccessibleDescription(pick(ireqCaption(row.caption), language));

    m_wornMarker->setText(pick(ireqCaption(IreqText::tId), language));
    m_minimalMarker->setText(pick(ireqCaption(IreqText::min), language));
    m_neutralMarker->setText(pick(ireqCaption(IreqText::Neut), language));
    // When all three insulations fall on one row, the two requirement markers stand side by side
    // left of the worn insulation's square (keepMarkersApart): the panel reaches that far left.
    const int besideWorn = m_minimalMarker->sizeHint().width() + m_neutralMarker->sizeHint().width()
        + 3 * kMarkerGap;
    m_list->setOriginX(std::min(kPanelLeft, kLightLeft - pixelsToTwipsX(*m_list, besideWorn)));

    index = 0;
    int right = 0;
    for (const ClothingRow &row : kClothingRows) {
        QLabel *label = m_clothing[index++];
        label->setText(pick(row.caption, language));
        m_list->setRowHeight(*label, kRowHeight);
        m_list->place(*label, kListLeft, row.top);
        right = std::max(right, label->geometry().right());
    }
    // The background reaches from just left of the list to past its longest row.
    const QPoint topLeft = m_list->point(kBackgroundLeft, kBackgroundTop);
    const int bottom = m_list->point(kBackgroundLeft, kBackgroundBottom).y();
    m_background->setGeometry(
        QRect(topLeft, QPoint(right + twipsToPixelsX(*m_list, kMargin), bottom)));
    m_background->lower();
}

void IreqView::writeValues(const model::MethodResults &results, double Iclr)
{
    const model::Language language = m_state.language();
    m_values[Minimal]->setLines({ formatNumber(results.IREQ1, NumberPattern::Grouped2) });
    m_values[Neutral]->setLines({ formatNumber(results.IREQ2, NumberPattern::Grouped2) });
    m_values[Worn]->setLines({ formatNumber(Iclr, NumberPattern::Grouped2) });
    m_values[ExposureMinimal]->setLines(
        { exposureText(Iclr, results.IREQ1, results.DLE3, language) });
    m_values[ExposureNeutral]->setLines(
        { exposureText(Iclr, results.IREQ2, results.DLE4, language) });

    // The worn insulation's square: red below the minimum, orange up to the neutral, green from
    // there; the verdict in words for those who do not see the colour.
    const std::int16_t rating = model::RateInsulation(Iclr, results.IREQ1, results.IREQ2);
    m_wornLight->setRating(rating, pick(ireqCaption(verdict(rating)), language));
}

void IreqView::placeMarkers(const model::MethodResults &results, double Iclr)
{
    m_list->place(*m_wornLight, kLightLeft, model::posI(Iclr) + kLightDrop);
    placeMarker(*m_wornMarker, kWornLeft, Iclr);
    placeMarker(*m_minimalMarker, kMinimalLeft, results.IREQ1);
    placeMarker(*m_neutralMarker, kNeutralLeft, results.IREQ2);
    keepMarkersApart();
    m_list->fitChildren(model::posI(0) + kRowHeight, kMargin);
}

void IreqView::keepMarkersApart()
{
    // Insulations a few hundredths of a clo apart, or all below 0.45 clo, put markers on one
    // row. The worn insulation's square and marker stay; a requirement marker that meets a
    // marker already in place moves left of it at its own height, so each label reads and still
    // stands level with its insulation.
    std::vector<QRect> taken { m_wornLight->geometry() | m_wornMarker->geometry() };
    const auto firstMet = [&taken](const QRect &place) {
        return std::find_if(taken.begin(), taken.end(),
            [&place](const QRect &other) { return other.intersects(place); });
    };
    for (QLabel *marker : { m_minimalMarker, m_neutralMarker }) {
        QRect at = marker->geometry();
        for (auto met = firstMet(at); met != taken.end(); met = firstMet(at))
            at.moveRight(met->left() - kMarkerGap);
        marker->move(at.topLeft());
        taken.push_back(at);
    }
}

void IreqView::placeMarker(QLabel &marker, double x, double clo)
{
    const double top = model::posI(clo);
    m_list->setRowHeight(marker, kRowHeight);
    m_list->place(marker, x, top);
    marker.raise();
    // Read with the ensemble of the row it stands at.
    const auto nearest = std::min_element(std::begin(kClothingRows), std::end(kClothingRows),
        [top](const ClothingRow &a, const ClothingRow &b) {
            return std::fabs(a.top - top) < std::fabs(b.top - top);
        });
    marker.setAccessibleDescription(formatNumber(clo, NumberPattern::Grouped2)
        + QStringLiteral(" clo: ")
        + m_clothing[std::size_t(nearest - std::begin(kClothingRows))]->text());
}

} // namespace kalvora::ui
