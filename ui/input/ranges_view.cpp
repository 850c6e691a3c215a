#include "ranges_view.h"

#include "model/option_boxes.h"
#include "ranges_captions.h"
#include "ui/shell/app_state.h"
#include "ui/shell/common_captions.h"
#include "ui/shell/control_name.h"
#include "ui/shell/input_captions.h"
#include "ui/shell/number_format.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/pictures.h"
#include "ui/shell/value_area.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kalvora::ui {

using model::Field;
using model::Method;
using model::OptionGroup;
using model::RangeLine;

namespace {

struct RangeBlock
{
    Method method;
    RangesText heading;
    const char *headingName;
    const char *arrayName; ///< the range labels are `arrayName(i)`
};

constexpr RangeBlock kBlocks[] = {
    { Method::Pmv, RangesText::TitIVM, "TitIVM", "IVM" },
    { Method::Hsi, RangesText::TitISC, "TitISC", "TISC" },
    { Method::Wbgt, RangesText::TitWBGT, "TitWBGT", "WBGT" },
    { Method::SwReq, RangesText::TitSW, "TitSW", "SWreq" },
};

QLabel *heading(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QWidget *createRangeBlock(const RangeBlock &block, Language language, QWidget *parent)
{
    auto *frame = new QWidget(parent);
    auto *column = new QVBoxLayout(frame);
    column->addWidget(
        heading(block.headingName, pick(rangesCaption(block.heading), language), frame));
    int index = 0;
    for (const RangeLine line : model::rangeLines(block.method)) {
        auto *label = new QLabel(rangeLineText(line), frame);
        label->setObjectName(controlName(block.arrayName, index++));
        column->addWidget(label);
    }
    return frame;
}

} // namespace

RangesView::RangesView(const AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::RangesView));
    setWindowTitle(text(rangesCaption(RangesText::Title)));

    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    left->addWidget(heading("Titulo", text(rangesCaption(RangesText::Titulo)), this));
    // PMV, HSI and WBGT on the left; the SWreq block heads the right column.
    for (const RangeBlock &block : kBlocks)
        (block.method == Method::SwReq ? right : left)
            ->addWidget(createRangeBlock(block, m_state.language(), this));
    left->addStretch(1);
    right->addWidget(createValuesPanel(this));
    right->addStretch(1);

    auto *salir
        = new PictureButton(QStringLiteral("salir"), QString::fromLatin1(pictures::kBack), this);
    salir->setDescription(text(commonCaption(CommonText::CloseWindow)));
    connect(
        salir, &PictureButton::clicked, this, [this] { m_windows.close(WindowId::RangesView); });

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(salir, 0, Qt::AlignRight);

    copyCaptions();
    drawValues();
    greyUnusedAreas(*this);
    markBrokenRanges();
}

QString RangesView::text(model::Caption caption) const
{
    return pick(caption, m_state.language());
}

QLabel *RangesView::addLabel(
    QGridLayout *grid, const char *name, const QString &caption, int row, int column)
{
    auto *label = new QLabel(caption, grid->parentWidget());
    label->setObjectName(QString::fromUtf8(name));
    grid->addWidget(label, row, column);
    return label;
}

void RangesView::addValueRow(
    QGridLayout *grid, int row, const char *caption, const char *boxName, const char *unit)
{
    QLabel *captionLabel = addLabel(grid, caption, QString(), row, 0);
    auto *area = new ValueArea(QString::fromUtf8(boxName), grid->parentWidget());
    captionLabel->setBuddy(area);
    grid->addWidget(area, row, 1);
    if (unit)
        addLabel(grid, unit, QString(), row, 2);
}

QWidget *RangesView::createValuesPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *column = new QVBoxLayout(panel);
    column->addWidget(heading("Label21", text(rangesCaption(RangesText::Label21)), panel));
    auto *values = new QWidget(panel);
    auto *grid = new QGridLayout(values);
    int row = 0;
    addValueRow(grid, row++, "Label2", "Metabolismo", "Label3");
    addValueRow(grid, row++, "Label4", "Taseco", "Label5");
    addValueRow(grid, row++, "Label6", "Iclo", "Label7");
    addValueRow(grid, row++, "Label8", "vaire", "Label9");
    addValueRow(grid, row++, "Label1", "pvrel", "Label20");
    addValueRow(grid, row++, "Label10", "tglobo", "Label11");
    addValueRow(grid, row++, "Label12", "tbhn", "Label13");
    addValueRow(grid, row++, "Label14", "Radsolar", nullptr);
    addValueRow(grid, row++, "Label15", "postura", nullptr);
    addValueRow(grid, row++, "Label16", "humedad", "Label17");
    addValueRow(grid, row, "Label18", "pvapor", "Label19");
    column->addWidget(values);
    return panel;
}

QLabel *RangesView::label(const char *name) const
{
    return findChild<QLabel *>(QString::fromUtf8(name));
}

ValueArea *RangesView::box(const char *name) const
{
    return findChild<ValueArea *>(QString::fromUtf8(name));
}

void RangesView::copyCaptions()
{
    const model::InputParameters &input = m_state.input();
    // Caption and unit beside the typed fields, as the input form shows them.
    for (const FieldLabels &labels : labelledFields()) {
        label(labels.caption)->setText(text(fieldCaption(labels.field)));
        label(labels.caption)->setEnabled(input.enabled(labels.field));
        label(labels.unit)->setText(QString::fromUtf8(fieldUnit(labels.field)));
        label(labels.unit)->setEnabled(input.enabled(labels.field));
    }
    box("Metabolismo")->setEnabled(input.enabled(Field::Metabolismo));

    const bool velocity = input.enabled(Field::vaire);
    label("Label1")->setText(text(rangesCaption(RangesText::Label1)));
    label("Label20")->setText(QString::fromUtf8(fieldUnit(Field::vaire)));
    label("Label1")->setEnabled(velocity);
    label("Label20")->setEnabled(velocity);

    const bool radiation = input.groupEnabled(OptionGroup::Radiacion);
    label("Label10")->setText(text(rangesCaption(RangesText::Globe)));
    label("Label11")->setText(QString::fromUtf8(fieldUnit(Field::tglobo)));
    label("Label10")->setEnabled(radiation);
    label("Label11")->setEnabled(radiation);

    label("Label14")->setText(text(frameCaption(OptionGroup::Radsolar)));
    label("Label14")->setEnabled(input.groupEnabled(OptionGroup::Radsolar));
    label("Label15")->setText(text(frameCaption(OptionGroup::postura)));
    label("Label15")->setEnabled(input.groupEnabled(OptionGroup::postura));

    // The humidity caption is set with the humidity value; until then it keeps its own.
    const bool humidity = input.groupEnabled(OptionGroup::humedad);
    label("Label16")->setText(text(rangesCaption(RangesText::Label16)));
    label("Label18")->setText(text(rangesCaption(RangesText::Label18)));
    label("Label19")->setText(QString::fromUtf8(fieldUnit(Field::pa)));
    for (const char *name : { "Label16", "Label17", "Label18", "Label19" })
        label(name)->setEnabled(humidity);
}

void RangesView::drawValues()
{
    const model::InputParameters &input = m_state.input();
    const model::MethodResults &results = m_state.results();
    const auto draw
        = [this](const char *name, const QString &value) { box(name)->setLines({ value }); };
    const auto typed = [&input](Field field) { return QString::fromStdString(input.text(field)); };

    for (const Field field :
        { Field::Metabolismo, Field::Taseco, Field::Iclo, Field::vaire, Field::tbhn })
        if (input.enabled(field))
            draw(model::InputParameters::name(field), typed(field));
    // The computed values only when the last evaluation produced them.
    const bool computed = m_state.session().scope().sharedValues();
    if (input.enabled(Field::vaire) && computed)
        draw("pvrel", formatNumber(results.var, NumberPattern::Grouped2));

    if (input.enabled(Field::tglobo)) {
        draw("tglobo", typed(Field::tglobo));
    } else if (input.enabled(Field::TRMedia)) {
        draw("tglobo", typed(Field::TRMedia));
        label("Label10")->setText(text(rangesCaption(RangesText::MeanRadiant)));
    }

    if (input.groupEnabled(OptionGroup::Radsolar))
        draw("Radsolar",
            text(rangesCaption(input.selected(OptionGroup::Radsolar) == 0 ? RangesText::SolarYes
                                                                          : RangesText::SolarNo)));
    if (input.groupEnabled(OptionGroup::postura))
        draw("postura", text(postureCaption(input.selected(OptionGroup::postura))));
    if (input.groupEnabled(OptionGroup::humedad)) {
        const Field humidityBox = model::selectedBox(input, OptionGroup::humedad);
        label("Label16")->setText(text(humidityCaption(input.selected(OptionGroup::humedad))));
        label("Label17")->setText(QString::fromUtf8(fieldUnit(humidityBox)));
        draw("humedad", typed(humidityBox));
        if (computed)
            draw("pvapor", formatNumber(results.pvap, NumberPattern::Grouped2));
    }
}

void RangesView::markBrokenRanges()
{
    const model::InputParameters &input = m_state.input();
    // The ranges also test computed values; none is judged that the last evaluation did not
    // produce.
    if (!m_state.session().scope().sharedValues())
        return;
    const model::RangeValues values = model::rangeValues(input, m_state.results());
    for (const RangeBlock &block : kBlocks) {
        if (!input.method(block.method))
            continue;
        int index = 0;
        for (const RangeLine line : model::rangeLines(block.method)) {
            QLabel *range = findChild<QLabel *>(controlName(block.arrayName, index++));
            if (!model::breaks(line, values))
                continue;
            // Red, and bold and named as broken, so the verdict does not rest on colour alone.
            QPalette palette = range->palette();
            palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
            range->setPalette(palette);
            QFont bold = range->font();
            bold.setBold(true);
            range->setFont(bold);
            range->setAccessibleName(
                range->text() + QStringLiteral(": ") + text(rangesCaption(RangesText::Broken)));
        }
    }
}

} // namespace kalvora::ui
