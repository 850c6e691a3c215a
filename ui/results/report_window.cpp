#include "report_window.h"

#include "hub_captions.h"
#include "model/exposure.h"
#include "model/heat_balance.h"
#include "model/option_boxes.h"
#include "model/presentation/result_catalogue.h"
#include "model/presentation/unlimited_exposure.h"
#include "model/sweat_criteria.h"
#include "report_captions.h"
#include "ui/shell/app_state.h"
#include "ui/shell/control_name.h"
#include "ui/shell/input_captions.h"
#include "ui/shell/number_format.h"
#include "ui/shell/value_area.h"
#include "ui/shell/view_picture_row.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace kalvora::ui {

using model::Field;
using model::Method;
using model::OptionGroup;

namespace {

/// The inputs with a caption and a unit label on the input form, by the report's label names.
struct InputRow
{
    Field field;
    const char *caption;
    const char *unit;
};

constexpr InputRow kInputRows[] = {
    { Field::Metabolismo, "Label2", "Label3" },
    { Field::Taseco, "Label4", "Label5" },
    { Field::Iclo, "Label6", "Label7" },
    { Field::vaire, "Label8", "Label9" },
};

// Captions wrap within a fixed width, block headings within the width of their block, so the
// three columns fit the screen whatever the language.
constexpr int kCaptionWidth = 220;
constexpr int kBlockWidth = 370;

/// Gives every wrapped label of window the height its text needs at its fixed width.
void fitWrappedLabels(QWidget &window)
{
    for (QLabel *label : window.findChildren<QLabel *>())
        if (label->wordWrap())
            label->setMinimumHeight(label->heightForWidth(label->maximumWidth()));
}

const char *fieldName(Field field)
{
    return model::InputParameters::name(field);
}

QLabel *blockHeading(const char *name, const QString &text, QWidget *parent)
{
    auto *heading = new QLabel(text, parent);
    heading->setObjectName(QString::fromLatin1(name));
    heading->setWordWrap(true);
    heading->setFixedWidth(kBlockWidth);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

/// The value of a key in the record, as a number (the report's keys all hold one).
double valueOf(const model::ResultEntry &entry, const model::MethodResults &results)
{
    return entry.read(results, model::Evaluation()).value_or(0);
}

} // namespace

ParametersReport::ParametersReport(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::ParametersReport));
    setWindowTitle(pick(reportCaption(ReportText::Title), m_state.language()));

    auto *left = new QVBoxLayout;
    left->addWidget(createInputBlock());
    left->addWidget(createCommonBlock());
    left->addStretch();
    const auto blocks = reportMethodBlocks();
    auto *middle = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        (i < 2 ? middle : right)->addWidget(createMethodBlock(blocks[i]));
    middle->addStretch();
    right->addStretch();

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    m_pictures = new ViewPictureRow(*this, { .print = "Picture4" });
    connectViewActions(*m_pictures, m_state, m_windows, WindowId::ParametersReport);
    layout->addWidget(m_pictures);
}

void ParametersReport::load()
{
    m_pictures->applyCaptions(m_state.language());
    mirrorInputForm();
    fillInputs();
    fillCommon();
    fillMethods();
    greyUnusedAreas(*this);
    fitWrappedLabels(*this);
}

void ParametersReport::addRow(QGridLayout *grid, int row, const QString &caption,
    const QString &text, const QString &areaName, const QString &unit, const QString &unitText)
{
    QWidget *parent = grid->parentWidget();
    auto *label = new QLabel(text, parent);
    label->setObjectName(caption);
    label->setWordWrap(true);
    label->setFixedWidth(areaName.isEmpty() ? kBlockWidth : kCaptionWidth);
    grid->addWidget(label, row, 0, 1, areaName.isEmpty() ? 3 : 1);
    if (!areaName.isEmpty()) {
        auto *value = new ValueArea(areaName, parent);
        label->setBuddy(value);
        grid->addWidget(value, row, 1);
    }
    if (!unit.isEmpty()) {
        auto *unitLabel = new QLabel(unitText, parent);
        unitLabel->setObjectName(unit);
        grid->addWidget(unitLabel, row, 2);
    }
}

QWidget *ParametersReport::createInputBlock()
{
    const model::Language language = m_state.language();
    auto *block = new QWidget(this);
    auto *grid = new QGridLayout(block);
    grid->addWidget(
        blockHeading("Label1", pick(reportCaption(ReportText::Label1), language), block), 0, 0, 1,
        3);
    int row = 1;
    const auto named = [](const char *name) { return QString::fromLatin1(name); };
    for (const InputRow &input : kInputRows)
        addRow(grid, row++, named(input.caption), QString(), named(fieldName(input.field)),
            named(input.unit), QString::fromUtf8(fieldUnit(input.field)));
    addRow(grid, row++, named("Label10"), QString(), named(fieldName(Field::tglobo)),
        named("Label11"), QString::fromUtf8(fieldUnit(Field::tglobo)));
    addRow(grid, row++, named("Label12"), QString(), named(fieldName(Field::tbhn)),
        named("Label13"), QString::fromUtf8(fieldUnit(Field::tbhn)));
    addRow(grid, row++, named("Label14"), QString(), named("Radsolar"), QString(), QString());
    addRow(grid, row++, named("Label15"), QString(), named("postura"), QString(), QString());
    addRow(grid, row, named("Label16"), QString(), named("humedad"), named("Label17"), QString());
    grid->setColumnStretch(0, 1);
    return block;
}

QWidget *ParametersReport::createCommonBlock()
{
    const model::Language language = m_state.language();
    auto *block = new QWidget(this);
    auto *grid = new QGridLayout(block);
    grid->addWidget(
        blockHeading("Label18", pick(reportCaption(ReportText::Label18), language), block), 0, 0, 1,
        3);
    int row = 1;
    for (const CommonRow &common : reportCommonRows())
        addRow(grid, row++, controlName(common.labels, 0), pick(common.caption, language),
            QString::fromLatin1(common.area), controlName(common.labels, 1),
            QString::fromUtf8(common.unitText));
    grid->setColumnStretch(0, 1);
    return block;
}

QWidget *ParametersReport::createMethodBlock(const ReportBlock &block)
{
    const model::Language language = m_state.language();
    auto *widget = new QWidget(this);
    auto *grid = new QGridLayout(widget);
    grid->addWidget(
        blockHeading(block.heading, pick(block.headingCaption, language), widget), 0, 0, 1, 3);
    int row = 1;
    for (const ReportRow &line : block.rows) {
        const QString areaName = line.area < 0 ? QString() : controlName(block.areas, line.area);
        const QString unitName = line.unit < 0 ? QString() : controlName(block.labels, line.unit);
        addRow(grid, row++, controlName(block.labels, line.label), pick(line.caption, language),
            areaName, unitName, line.unitText ? QString::fromUtf8(line.unitText) : QString());
    }
    grid->setColumnStretch(0, 1);
    return widget;
}

QLabel *ParametersReport::label(const QString &name) const
{
    return findChild<QLabel *>(name);
}

ValueArea *ParametersReport::area(const QString &name) const
{
    return findChild<ValueArea *>(name);
}

void ParametersReport::mirrorInputForm()
{
    const model::InputParameters &input = m_state.input();
    const model::Language language = m_state.language();
    const auto named = [](const char *name) { return QString::fromLatin1(name); };
    for (const InputRow &row : kInputRows) {
        label(named(row.caption))->setText(pick(fieldCaption(row.field), language));
        label(named(row.caption))->setEnabled(input.enabled(row.field));
        label(named(row.unit))->setEnabled(input.enabled(row.field));
    }
    label(named("Label12"))->setText(pick(fieldCaption(Field::tbhn), language));
    label(named("Label12"))->setEnabled(input.enabled(Field::tbhn));
    label(named("Label13"))->setEnabled(input.enabled(Field::tbhn));
    const bool radiation = input.groupEnabled(OptionGroup::Radiacion);
    label(named("Label10"))->setEnabled(radiation);
    label(named("Label11"))->setEnabled(radiation);
    const std::pair<const char *, OptionGroup> groups[] = { { "Label14", OptionGroup::Radsolar },
        { "Label15", OptionGroup::postura }, { "Label16", OptionGroup::humedad } };
    for (const auto &[name, group] : groups) {
        label(named(name))->setText(pick(frameCaption(group), language));
        label(named(name))->setEnabled(input.groupEnabled(group));
    }
    area(named(fieldName(Field::Metabolismo)))->setEnabled(input.enabled(Field::Metabolismo));
    for (int index : { 0, 1 })
        label(controlName("var", index))->setEnabled(label(named("Label8"))->isEnabled());
}

void ParametersReport::fillInputs()
{
    const model::InputParameters &input = m_state.input();
    const model::Language language = m_state.language();
    const auto show = [this](const char *name, const QString &text) {
        area(QString::fromLatin1(name))->setLines({ text });
    };
    const auto typed = [&](Field field) { return QString::fromStdString(input.text(field)); };

    for (const Field field :
        { Field::Metabolismo, Field::Taseco, Field::Iclo, Field::vaire, Field::tglobo })
        if (input.enabled(field))
            show(fieldName(field), typed(field));
    const bool meanRadiant = input.enabled(Field::TRMedia);
    if (meanRadiant)
        show(fieldName(Field::tglobo), typed(Field::TRMedia));
    label(QStringLiteral("Label10"))
        ->setText(
            pick(reportCaption(meanRadiant ? ReportText::Label10MeanRadiant : ReportText::Label10),
                language));
    if (input.enabled(Field::tbhn))
        show(fieldName(Field::tbhn), typed(Field::tbhn));
    if (input.groupEnabled(OptionGroup::Radsolar)) {
        const bool outdoors = input.selected(OptionGroup::Radsolar) == 0;
        show("Radsolar",
            pick(hubCaption(outdoors ? HubText::SolarLoadYes : HubText::SolarLoadNo), language));
    }
    if (input.groupEnabled(OptionGroup::postura))
        show("postura",
            pick(optionCaption(OptionGroup::postura, input.selected(OptionGroup::postura)),
                language));
    if (input.groupEnabled(OptionGroup::humedad)) {
        const int option = input.selected(OptionGroup::humedad);
        const Field box = model::selectedBox(input, OptionGroup::humedad);
        label(QStringLiteral("Label16"))->setText(pick(humidityRowCaption(option), language));
        label(QStringLiteral("Label17"))->setText(QString::fromUtf8(fieldUnit(box)));
        show("humedad", typed(box));
    }
}

void ParametersReport::fillCommon()
{
    const model::InputParameters &input = m_state.input();
    const auto anyOf = [&](std::initializer_list<Method> methods) {
        return std::any_of(
            methods.begin(), methods.end(), [&](Method method) { return input.method(method); });
    };
    const auto rows = reportCommonRows();
    // Mean radiant temperature, relative air velocity, relative humidity, vapour pressure. The
    // relative air velocity follows the hub's air-velocity caption, enabled as the input form's
    // was when the hub evaluated: the value belongs to that evaluation.
    const bool shown[] = {
        anyOf({ Method::Pmv, Method::Hsi, Method::Wbgt, Method::SwReq, Method::Ireq }),
        m_state.session().input().enabled(Field::vaire),
        anyOf({ Method::Pmv, Method::Hsi, Method::SwReq, Method::Ireq }),
        anyOf({ Method::Pmv, Method::Hsi, Method::SwReq, Method::Ireq }),
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CommonRow &row = rows[i];
        const model::ResultEntry &entry = model::resultEntry(row.key);
        if (shown[i]) {
            // Values a fault kept the last evaluation from computing are left out.
            if (m_state.session().scope().belongs(entry))
                area(QString::fromLatin1(row.area))
                    ->setLines({ formatNumber(
                        valueOf(entry, m_state.results()), row.pattern.value_or(entry.pattern)) });
            continue;
        }
        // The relative air velocity row keeps the state its caption mirrored.
        if (i == 1)
            continue;
        for (int index : { 0, 1 })
            label(controlName(row.labels, index))->setEnabled(false);
    }
}

QString ParametersReport::rowText(const ReportBlock &block, const ReportRow &row) const
{
    const model::MethodResults &results = m_state.results();
    const model::Language language = m_state.language();
    if (row.kind == RowKind::EvaporationRate)
        return formatNumber(
            model::sweatCriterion(results, model::SweatCriterion::AlarmNonAcclimatized).Ep,
            NumberPattern::Grouped2);
    const model::ResultEntry &entry = model::resultEntry(row.key);
    const double value = valueOf(entry, results);
    switch (row.kind) {
    case RowKind::Balance:
        return pick(reportCaption(model::InThermalBalance(value) ? ReportText::InBalance
                                                                 : ReportText::NotInBalance),
            language);
    case RowKind::Exposure:
        // Only the mark itself reads as unlimited here; a time of 0 is shown as such.
        if (value == model::kUnlimitedSweatExposure) {
            label(controlName(block.labels, row.unit))->clear();
            return pick(model::unlimitedExposure(model::UnlimitedExposure::ReportSweat), language);
        }
        break;
    case RowKind::Value:
    case RowKind::EvaporationRate:
    case RowKind::Heading:
        break;
    }
    return formatNumber(value, entry.pattern);
}

void ParametersReport::fillMethods()
{
    for (const ReportBlock &block : reportMethodBlocks()) {
        // A method ticked but stopped by an arithmetic fault has no values of this evaluation.
        const bool shown = m_state.input().method(block.method)
            && m_state.session().scope().finished(block.method);
        if (!shown) {
            // Greyed and empty; the heading stays as it is.
            for (int index = 0; index < block.labelCount; ++index)
                if (QLabel *greyed = label(controlName(block.labels, index)))
                    greyed->setEnabled(false);
            for (const ReportRow &row : block.rows)
                if (row.area >= 0)
                    area(controlName(block.areas, row.area))->setEnabled(false);
            continue;
        }
        for (const ReportRow &row : block.rows) {
            if (row.kind != RowKind::Heading)
                area(controlName(block.areas, row.area))->setLines({ rowText(block, row) });
        }
    }
}

} // namespace kalvora::ui
