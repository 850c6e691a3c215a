#include "input_summary.h"

#include "hub_captions.h"
#include "model/option_boxes.h"
#include "ui/input/input_captions.h"
#include "ui/shell/value_area.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>

namespace kalvora::ui {

using model::Field;
using model::OptionGroup;

namespace {

const char *fieldName(Field field)
{
    return model::InputParameters::name(field);
}

} // namespace

InputSummary::InputSummary(model::Language language, QWidget *parent)
    : QWidget(parent)
    , m_language(language)
    , m_grid(new QGridLayout(this))
{
    int row = 0;
    for (const FieldLabels &labels : labelledFields()) {
        // The radiation input stands between air velocity and natural wet-bulb temperature.
        if (labels.field == Field::tbhn) {
            addLabel("Label10", pick(hubCaption(HubText::GlobeTemperature), m_language), row, 0);
            addArea(fieldName(Field::tglobo), row);
            addLabel("Label11", QString::fromUtf8(fieldUnit(Field::tglobo)), row++, 2);
        }
        addLabel(labels.caption, QString(), row, 0);
        addArea(fieldName(labels.field), row);
        addLabel(labels.unit, QString::fromUtf8(fieldUnit(labels.field)), row++, 2);
    }
    addLabel("Label14", QString(), row, 0);
    addArea("Radsolar", row++);
    addLabel("Label15", QString(), row, 0);
    addArea("postura", row++);
    addLabel("Label16", QString(), row, 0);
    addArea("humedad", row);
    addLabel("Label17", QString(), row, 2);
}

QLabel *InputSummary::addLabel(const char *name, const QString &text, int row, int column)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    m_grid->addWidget(label, row, column);
    return label;
}

ValueArea *InputSummary::addArea(const char *name, int row)
{
    auto *area = new ValueArea(QString::fromUtf8(name), this);
    m_grid->addWidget(area, row, 1);
    return area;
}

QLabel *InputSummary::label(const char *name) const
{
    return findChild<QLabel *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

ValueArea *InputSummary::area(const char *name) const
{
    return findChild<ValueArea *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

void InputSummary::fill(const model::InputParameters &input)
{
    const auto show
        = [&](const char *areaName, const QString &text) { area(areaName)->setLines({ text }); };
    const auto typed = [&](Field field) { return QString::fromStdString(input.text(field)); };
    const auto copyGroup = [&](const char *labelName, OptionGroup group) {
        label(labelName)->setEnabled(input.groupEnabled(group));
        label(labelName)->setText(pick(frameCaption(group), m_language));
    };

    // Captions and enabled states as the input form shows them.
    for (const FieldLabels &labels : labelledFields()) {
        label(labels.caption)->setEnabled(input.enabled(labels.field));
        label(labels.caption)->setText(pick(fieldCaption(labels.field), m_language));
        label(labels.unit)->setEnabled(input.enabled(labels.field));
    }
    label("Label10")->setEnabled(input.groupEnabled(OptionGroup::Radiacion));
    label("Label11")->setEnabled(input.groupEnabled(OptionGroup::Radiacion));
    copyGroup("Label14", OptionGroup::Radsolar);
    copyGroup("Label15", OptionGroup::postura);
    copyGroup("Label16", OptionGroup::humedad);
    area(fieldName(Field::Metabolismo))->setEnabled(input.enabled(Field::Metabolismo));

    // The texts of the inputs that take part.
    for (const Field field : { Field::Metabolismo, Field::Taseco, Field::Iclo, Field::vaire })
        if (input.enabled(field))
            show(fieldName(field), typed(field));
    if (input.enabled(Field::tglobo))
        show(fieldName(Field::tglobo), typed(Field::tglobo));
    else if (input.enabled(Field::TRMedia))
        show(fieldName(Field::tglobo), typed(Field::TRMedia));
    const HubText radiation = input.enabled(Field::TRMedia) ? HubText::MeanRadiantTemperature
                                                            : HubText::GlobeTemperature;
    label("Label10")->setText(pick(hubCaption(radiation), m_language));
    if (input.enabled(Field::tbhn))
        show(fieldName(Field::tbhn), typed(Field::tbhn));
    if (input.groupEnabled(OptionGroup::Radsolar)) {
        const bool outdoors = input.selected(OptionGroup::Radsolar) == 0;
        show("Radsolar",
            pick(hubCaption(outdoors ? HubText::SolarLoadYes : HubText::SolarLoadNo), m_language));
    }
    if (input.groupEnabled(OptionGroup::postura))
        show("postura",
            pick(optionCaption(OptionGroup::postura, input.selected(OptionGroup::postura)),
                m_language));
    if (input.groupEnabled(OptionGroup::humedad)) {
        // Options 0 and 1 name relative humidity and wet-bulb temperature; any other the vapour
        // pressure.
        const int option = std::clamp(input.selected(OptionGroup::humedad), 0, 2);
        const Field box = model::kHumidityBoxes[option];
        label("Label16")->setText(pick(optionCaption(OptionGroup::humedad, option), m_language));
        label("Label17")->setText(QString::fromUtf8(fieldUnit(box)));
        show("humedad", typed(box));
    }
}

} // namespace kalvora::ui
