#pragma once
// The hub's read-only summary of the inputs: beside each value area the input form's caption in
// the chosen language, enabled as on the input form; a value area shows its input's text as typed
// only while that input takes part in the evaluation.

#include "model/input_parameters.h"
#include "model/language.h"

#include <QWidget>
#include <array>

class QGridLayout;
class QLabel;

namespace kalvora::ui {

class ValueArea;

class InputSummary : public QWidget
{
    Q_OBJECT
public:
    explicit InputSummary(QWidget *parent = nullptr);

    /// Copies captions and enabled states from the input set and writes the texts of the inputs
    /// that take part. Meant to run once, at the hub's load, on a fresh summary.
    void fill(const model::InputParameters &input, model::Language language);

private:
    /// Caption, value area and unit of one row.
    struct Row
    {
        QLabel *caption = nullptr;
        ValueArea *area = nullptr;
        QLabel *unit = nullptr;
    };

    Row addRow(const char *caption, const char *area, const char *unit, const QString &unitText);
    void fillLabelledFields(const model::InputParameters &input, model::Language language);
    void fillRadiation(const model::InputParameters &input, model::Language language);
    void fillOptions(const model::InputParameters &input, model::Language language);

    QGridLayout *m_grid;
    int m_nextRow = 0;
    std::array<Row, model::kFieldCount> m_fields {}; ///< the rows of the labelled fields
    Row m_radiation; ///< `Label10`, `tglobo`, `Label11`
    Row m_solarLoad; ///< `Label14`, `Radsolar`
    Row m_posture; ///< `Label15`, `postura`
    Row m_humidity; ///< `Label16`, `humedad`, `Label17`
};

} // namespace kalvora::ui
