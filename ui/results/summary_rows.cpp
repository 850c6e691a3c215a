#include "summary_rows.h"

#include "model/application_ranges.h"
#include "model/presentation/results_summary.h"
#include "summary_captions.h"
#include "summary_lines.h"
#include "ui/shell/control_name.h"
#include "ui/shell/rating_light.h"
#include "ui/shell/value_area.h"

#include <QGridLayout>
#include <QLabel>

namespace kalvora::ui {

using model::Method;

namespace {

struct Row
{
    const char *label; ///< the row's name
    const char *line; ///< its result line
    const char *rating; ///< its rating light
};

// By method, in flag order; the range lights are `rango(method)`.
constexpr Row kRows[model::kMethodCount] = {
    { "Label10", "p1", "s1" },
    { "Label11", "p2", "s2" },
    { "Label12", "p3", "s3" },
    { "Label13", "p4", "s4" },
    { "Label14", "p5", "s5" },
    { "Label15", "p6", "s6" },
};

const Row &rowOf(Method method)
{
    return kRows[static_cast<int>(method)];
}

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

} // namespace

SummaryRows::SummaryRows(model::Language language, QWidget *parent)
    : QWidget(parent)
    , m_language(language)
{
    auto *grid = new QGridLayout(this);
    const auto heading = [&](const char *name, SummaryText text, int column) {
        grid->addWidget(namedLabel(name, pick(summaryCaption(text), m_language), this), 0, column);
    };
    heading("Label8", SummaryText::Label8, 0);
    heading("Label9", SummaryText::Label9, 1);
    heading("Label17", SummaryText::Label17, 3);
    int row = 1;
    for (const Method method : model::kAllMethods)
        addRow(grid, method, row++);
    grid->setColumnStretch(1, 1);
}

void SummaryRows::addRow(QGridLayout *grid, Method method, int row)
{
    const Row &r = rowOf(method);
    const QString name = pick(rowCaption(method), m_language);
    auto *label = namedLabel(r.label, name, this);
    auto *line = new ValueArea(QString::fromUtf8(r.line), this);
    line->setAccessibleDescription(name);
    label->setBuddy(line);
    auto *rating = new RatingLight(QString::fromUtf8(r.rating), this);
    auto *range = new RatingLight(controlName("rango", static_cast<int>(method)), this);
    rating->setClickable(true);
    range->setClickable(true);
    connect(
        rating, &RatingLight::activated, this, [this, method] { emit ratingActivated(method); });
    connect(range, &RatingLight::activated, this, [this, method] { emit rangeActivated(method); });

    grid->addWidget(label, row, 0);
    grid->addWidget(line, row, 1);
    grid->addWidget(rating, row, 2, Qt::AlignHCenter);
    grid->addWidget(range, row, 3, Qt::AlignHCenter);
}

void SummaryRows::fill(const model::InputParameters &input, const model::EvaluationScope &scope,
    const model::MethodResults &results)
{
    const model::RangeValues ranges = model::rangeValues(input, results);
    for (const Method method : model::kAllMethods) {
        const Row &r = rowOf(method);
        const QString name = pick(rowCaption(method), m_language) + QStringLiteral(": ");
        const auto say = [this, &name](SummaryText text) {
            return name + pick(summaryCaption(text), m_language).trimmed();
        };
        findChild<ValueArea *>(QString::fromUtf8(r.line))
            ->setLines({ resultLine(method, input, scope, results, m_language) });
        auto *rating = findChild<RatingLight *>(QString::fromUtf8(r.rating));
        auto *range = findChild<RatingLight *>(controlName("rango", static_cast<int>(method)));
        const model::SummaryStanding standing = model::summaryStanding(method, input, scope);
        const SummaryText why = standing == model::SummaryStanding::Stopped
            ? SummaryText::Stopped
            : SummaryText::NotSelected;
        const std::optional<std::int16_t> level
            = model::summaryRating(method, input, scope, results);
        if (level) {
            rating->setRating(*level, say(strainLegend(*level)));
        } else {
            // No values of the last evaluation, or no ratings: a fault stopped it.
            rating->clearRating();
            rating->setAccessibleName(
                say(standing == model::SummaryStanding::Shown ? SummaryText::Stopped : why));
        }
        // The range tests the typed inputs and the evaluation's shared values.
        if (!input.method(method) || !scope.sharedValues()) {
            range->clearRating();
            range->setAccessibleName(say(why));
            continue;
        }
        const bool outside = model::outOfRange(method, ranges);
        range->setRating(
            outside ? 2 : 0, say(outside ? SummaryText::RangeOut : SummaryText::RangeIn));
    }
}

} // namespace kalvora::ui
