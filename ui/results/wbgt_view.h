#pragma once
// The WBGT view: the index and the metabolic power that was typed, beside the chart of maximal
// reference values, for a comparison by eye. The rating itself is the summary's.

#include "method_view.h"
#include "model/method_results.h"

#include <QWidget>

class QLabel;

namespace kalvora::ui {

class AppState;
class ValueArea;
class Windows;

class WbgtView : public MethodView
{
    Q_OBJECT
public:
    WbgtView(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void show(const model::MethodResults &results) override;

private:
    void applyCaptions() override;

    QLabel *m_heading;
    QLabel *m_indexCaption;
    ValueArea *m_index;
    QLabel *m_metabolicCaption;
    ValueArea *m_metabolic;
    QLabel *m_chartHeading;
    QWidget *m_chart;
};

} // namespace kalvora::ui
