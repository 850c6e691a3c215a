#include "wbgt_view.h"

#include "method_charts.h"
#include "ui/shell/app_state.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "view_parts.h"
#include "wbgt_view_captions.h"

#include <QGridLayout>
#include <QLabel>

namespace kalvora::ui {

WbgtView::WbgtView(AppState &state, Windows &windows, QWidget *parent)
    : MethodView(state, windows, WindowId::WbgtView, parent)
    , m_heading(createHeading("Label1", this))
    , m_indexCaption(createLabel("Label2", this))
    , m_index(new ValueArea(QStringLiteral("indice"), this))
    , m_metabolicCaption(createLabel("Label3", this))
    , m_metabolic(new ValueArea(QStringLiteral("M"), this))
    , m_chartHeading(createHeading("Label4", this))
    , m_chart(createWbgtReferenceChart(this))
{
    setObjectName(formObjectName(WindowId::WbgtView));
    m_chart->setObjectName(QStringLiteral("Picture1"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(m_indexCaption, 1, 0);
    grid->addWidget(m_index, 1, 1);
    grid->addWidget(m_metabolicCaption, 2, 0);
    grid->addWidget(m_metabolic, 2, 1);
    grid->addWidget(m_chartHeading, 3, 0, 1, 2);
    grid->addWidget(m_chart, 4, 0, 1, 2);
    // Built last, so that Tab reaches the pictures after the values.
    grid->addWidget(createPictures(), 5, 0, 1, 2);
}

void WbgtView::show(const model::MethodResults &results)
{
    const model::Language language = m_state.language();
    m_index->setLines({ valueLine(wbgtCaption(WbgtText::IndexPrefix), results.WBGT,
        wbgtCaption(WbgtText::IndexUnit), language) });
    // The metabolic power as typed on the input form, read by the input rule.
    m_metabolic->setLines({ valueLine(wbgtCaption(WbgtText::MetabolicPrefix),
        m_state.input().value(model::Field::Metabolismo), wbgtCaption(WbgtText::MetabolicUnit),
        language) });
    applyCaptions();
}

void WbgtView::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(wbgtCaption(WbgtText::Title), language));
    m_heading->setText(pick(wbgtCaption(WbgtText::Label1), language));
    m_indexCaption->setText(pick(wbgtCaption(WbgtText::Label2), language));
    m_index->setAccessibleDescription(m_indexCaption->text());
    m_metabolicCaption->setText(pick(wbgtCaption(WbgtText::Label3), language));
    m_metabolic->setAccessibleDescription(m_metabolicCaption->text());
    m_chartHeading->setText(pick(wbgtCaption(WbgtText::Label4), language));
    m_chart->setAccessibleName(pick(wbgtCaption(WbgtText::Chart), language));
}

} // namespace kalvora::ui
