#include "input_summary.h"

#include "hub_captions.h"
#include "model/option_boxes.h"
#include "ui/shell/input_captions.h"
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

int at(Field field)
{
    return static_cast<int>(field);
}

} // namespace

InputSummary::InputSummary(QWidget *parent)
    : QWidget(parent)
    , m_grid(new QGridLayout(this))
{
    for (const FieldLabels &labels : labelledFields()) {
        // The radiation input stands between air velocity and natural wet-bulb temperature.
        if (labels.field == Field::tbhn)
            m_radiation = addRow("Label10", fieldName(Field::tglobo), "Label11",
                QString::fromUtf8(fieldUnit(Field::tglobo)));
        m_fields[at(labels.field)] = addRow(labels.caption, fieldName(labels.field), labels.unit,
            QString::fromUtf8(fieldUnit(labels.field)));
    }
    m_solarLoad = addRow("Label14", "Radsolar", nullptr, QString());
    m_posture = addRow("Label15", "postura", nullptr, QString());
    m_humidity = addRow("Label16", "humedad", "Label17", QString());
}

InputSummary::Row InputSummary::addRow(
    const char *caption, const char *area, const char *unit, const QString &unitText)
{
    Row row;
    row.caption = new QLabel(this);
    row.caption->setObjectName(QString::fromUtf8(caption));
    m_grid->addWidget(row.caption, m_nextRow, 0);
    row.area = new ValueArea(QString::fromUtf8(area), this);
    row.caption->setBuddy(row.area);
    m_grid->addWidget(row.area, m_nextRow, 1);
    if (unit) {
        row.unit = new QLabel(unitText, this);
        row.unit->setObjectName(QString::fromUtf8(unit));
        m_grid->addWidget(row.unit, m_nextRow, 2);
    }
    ++m_nextRow;
    return row;
}

void InputSummary::fill(const model::InputParameters &input, model::Language language)
{
    fillLabelledFields(input, language);
    fillRadiation(input, language);
    fillOptions(input, language);
    // Each value area is named by the caption beside it, as the captions stand now.
    for (const Row *row : { &m_radiation, &m_solarLoad, &m_posture, &m_humidity })
        row->area->setCaption(row->caption->text());
    for (const Row &row : m_fields)
        if (row.area)
            row.area->setCaption(row.caption->text());
    greyUnusedAreas(*this);
}

void InputSummary::fillLabelledFields(const model::InputParameters &input, model::Language language)
{
    // Captions and enabled states as the input form shows them, then the texts of the inputs
    // that take part.
    for (const FieldLabels &labels : labelledFields()) {
        const Row &row = m_fields[at(labels.field)];
        const bool enabled = input.enabled(labels.field);
        row.caption->setEnabled(enabled);
        row.caption->setText(pick(fieldCaption(labels.field), language));
        row.unit->setEnabled(enabled);
        if (enabled)
            row.area->setLines({ QString::fromStdString(input.text(labels.field)) });
    }
    m_fields[at(Field::Metabolismo)].area->setEnabled(input.enabled(Field::Metabolismo));
}

void InputSummary::fillRadiation(const model::InputParameters &input, model::Language language)
{
    const bool enabled = input.groupEnabled(OptionGroup::Radiacion);
    m_radiation.caption->setEnabled(enabled);
    m_radiation.unit->setEnabled(enabled);
    if (input.enabled(Field::tglobo))
        m_radiation.area->setLines({ QString::fromStdString(input.text(Field::tglobo)) });
    else if (input.enabled(Field::TRMedia))
        m_radiation.area->setLines({ QString::fromStdString(input.text(Field::TRMedia)) });
    const HubText caption = input.enabled(Field::TRMedia) ? HubText::MeanRadiantTemperature
                                                          : HubText::GlobeTemperature;
    m_radiation.caption->setText(pick(hubCaption(caption), language));
}

void InputSummary::fillOptions(const model::InputParameters &input, model::Language language)
{
    const auto copyGroup = [&](const Row &row, OptionGroup group) {
        row.caption->setEnabled(input.groupEnabled(group));
        row.caption->setText(pick(frameCaption(group), language));
        return input.groupEnabled(group);
    };
    if (copyGroup(m_solarLoad, OptionGroup::Radsolar)) {
        const bool outdoors = input.selected(OptionGroup::Radsolar) == 0;
        m_solarLoad.area->setLines({ pick(
            hubCaption(outdoors ? HubText::SolarLoadYes : HubText::SolarLoadNo), language) });
    }
    if (copyGroup(m_posture, OptionGroup::postura))
        m_posture.area->setLines({ pick(
            optionCaption(OptionGroup::postura, input.selected(OptionGroup::postura)), language) });
    if (copyGroup(m_humidity, OptionGroup::humedad)) {
        // Options 0 and 1 name relative humidity and wet-bulb temperature; any other the vapour
        // pressure.
        const int option = std::clamp(input.selected(OptionGroup::humedad), 0, 2);
        const Field box = model::kHumidityBoxes[option];
        m_humidity.caption->setText(pick(optionCaption(OptionGroup::humedad, option), language));
        m_humidity.unit->setText(QString::fromUtf8(fieldUnit(box)));
        m_humidity.area->setLines({ QString::fromStdString(input.text(box)) });
    }
}

} // namespace kalvora::ui
