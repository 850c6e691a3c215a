#pragma once
// The hub's read-only summary of the inputs: beside each value area the input form's caption in
// the chosen language, enabled as on the input form; a value area shows its input's text as typed
// only while that input takes part in the evaluation.

#include "model/input_parameters.h"
#include "model/language.h"

#include <QWidget>

class QGridLayout;
class QLabel;

namespace kalvora::ui {

class ValueArea;

class InputSummary : public QWidget
{
    Q_OBJECT
public:
    InputSummary(model::Language language, QWidget *parent = nullptr);

    /// Copies captions and enabled states from the input set and writes the texts of the inputs
    /// that take part. Meant to run once, on a fresh summary.
    void fill(const model::InputParameters &input);

private:
    QLabel *addLabel(const char *name, const QString &text, int row, int column);
    ValueArea *addArea(const char *name, int row);
    QLabel *label(const char *name) const;
    ValueArea *area(const char *name) const;

    model::Language m_language;
    QGridLayout *m_grid;
};

} // namespace kalvora::ui
