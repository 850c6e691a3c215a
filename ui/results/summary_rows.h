#pragma once
// The method rows of the results summary: per method its name, its result line, its rating light
// and its application-range light. Filled once from the input set and the results record; the
// lights say what was pressed, the window decides what follows.

#include "model/input_parameters.h"
#include "model/language.h"
#include "model/method_results.h"
#include "model/presentation/result_catalogue.h"

#include <QWidget>

class QGridLayout;

namespace kalvora::ui {

class SummaryRows : public QWidget
{
    Q_OBJECT
public:
    explicit SummaryRows(model::Language language, QWidget *parent = nullptr);

    /// Writes the result lines and colours the lights of the methods whose values are of the last
    /// evaluation (scope); the lights of the others stay neutral and say why in words.
    void fill(const model::InputParameters &input, const model::EvaluationScope &scope,
        const model::MethodResults &results);

signals:
    void ratingActivated(model::Method method);
    void rangeActivated(model::Method method);

private:
    void addRow(QGridLayout *grid, model::Method method, int row);

    model::Language m_language;
};

} // namespace kalvora::ui
