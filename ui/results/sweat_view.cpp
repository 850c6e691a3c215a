#include "sweat_view.h"

#include "model/exposure.h"
#include "model/presentation/unlimited_exposure.h"
#include "sweat_view_captions.h"
#include "ui/shell/app_state.h"
#include "ui/shell/control_name.h"
#include "ui/shell/number_format.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "view_parts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kalvora::ui {

using model::SweatCriterion;

namespace {

constexpr const char *kQuantities[] = { "wp", "Ep", "SWp", "D", "DLE" };
constexpr const char *kSuffixes[] = { "naa", "nap", "aa", "ap" };

int at(SweatCriterion criterion)
{
    return static_cast<int>(criterion);
}

QString exposureText(
    const model::SweatCriterionValues &values, SweatCriterion criterion, model::Language language)
{
    // The grid shows every time the computation wrote, even one under 0.001 min; only its
    // marker reads as unlimited.
    if (values.DLE != model::kUnlimitedSweatExposure)
        return formatNumber(values.DLE, NumberPattern::Grouped2);
    return pick(model::unlimitedExposure(criterion == SweatCriterion::AlarmNonAcclimatized
                        ? model::UnlimitedExposure::SweatViewAlarmNonAcclimatized
                        : model::UnlimitedExposure::SweatView),
        language);
}

} // namespace

SweatRateView::SweatRateView(AppState &state, Windows &windows, QWidget *parent)
    : MethodView(state, windows, WindowId::SweatRateView, parent)
    , m_heading(createHeading("ISWreq", this))
{
    setObjectName(formObjectName(WindowId::SweatRateView));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    for (int block = 0; block < 2; ++block)
        layout->addWidget(createBlock(block));
    // Built last, so that Tab reaches the pictures after the values.
    layout->addWidget(createPictures());
}

QWidget *SweatRateView::createBlock(int block)
{
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *grid = new QGridLayout(frame);
    m_blockHeadings[block] = createHeading(block == 0 ? "noaclim" : "aclim", frame);
    grid->addWidget(m_blockHeadings[block], 0, 0, 1, 3);

    // Columns: the alarm and the danger criterion of this block's subjects.
    const SweatCriterion criteria[2] = { block == 0 ? SweatCriterion::AlarmNonAcclimatized
                                                    : SweatCriterion::AlarmAcclimatized,
        block == 0 ? SweatCriterion::DangerNonAcclimatized : SweatCriterion::DangerAcclimatized };
    for (int column = 0; column < 2; ++column) {
        auto *heading = new QLabel(frame);
        heading->setObjectName(controlName(kSweatCriterionHeadings[column].name, block));
        m_blockLabels.push_back(heading);
        grid->addWidget(heading, 1, column + 1, Qt::AlignHCenter);
    }
    for (int row = 0; row < kRows; ++row) {
        auto *label = new QLabel(frame);
        label->setObjectName(controlName(kSweatRows[row].name, block));
        m_blockLabels.push_back(label);
        grid->addWidget(label, row + 2, 0);
        for (int column = 0; column < 2; ++column) {
            const SweatCriterion criterion = criteria[column];
            auto *area = new ValueArea(QStringLiteral("p%1%2").arg(QLatin1String(kQuantities[row]),
                                           QLatin1String(kSuffixes[at(criterion)])),
                frame);
            area->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_values[at(criterion)][row] = area;
            grid->addWidget(area, row + 2, column + 1);
        }
    }
    return frame;
}

void SweatRateView::show(const model::MethodResults &results)
{
    const model::Language language = m_state.language();
    for (const SweatCriterion criterion : model::kSweatCriteria) {
        const model::SweatCriterionValues values = model::sweatCriterion(results, criterion);
        const double numbers[] = { values.wp, values.Ep, values.SWp, values.D };
        auto &areas = m_values[at(criterion)];
        for (int row = 0; row < kRows - 1; ++row)
            areas[row]->setLines({ formatNumber(numbers[row], NumberPattern::Grouped2) });
        areas[kRows - 1]->setLines({ exposureText(values, criterion, language) });
    }
}

void SweatRateView::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(sweatCaption(SweatText::Title), language));
    m_heading->setText(pick(sweatCaption(SweatText::ISWreq), language));
    m_blockHeadings[0]->setText(pick(sweatCaption(SweatText::noaclim), language));
    m_blockHeadings[1]->setText(pick(sweatCaption(SweatText::aclim), language));
    // Criterion headings then row labels, block by block, in the order they were built.
    std::size_t next = 0;
    for (int block = 0; block < 2; ++block) {
        for (const BlockLabel &heading : kSweatCriterionHeadings)
            m_blockLabels[next++]->setText(pick(heading.caption, language));
        for (const BlockLabel &row : kSweatRows)
            m_blockLabels[next++]->setText(pick(row.caption, language));
    }
    // Each value area is read with its row and its criterion.
    for (const SweatCriterion criterion : model::kSweatCriteria) {
        const int block = at(criterion) / 2;
        const int column = at(criterion) % 2;
        for (int row = 0; row < kRows; ++row)
            m_values[at(criterion)][row]->setAccessibleDescription(
                pick(kSweatRows[row].caption, language) + QLatin1Char(' ')
                + pick(kSweatCriterionHeadings[column].caption, language) + QLatin1Char(' ')
                + m_blockHeadings[block]->text());
    }
}

} // namespace kalvora::ui
