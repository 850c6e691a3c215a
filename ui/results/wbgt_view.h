#pragma once
// The WBGT view: the index and the metabolic power that was typed, beside the chart of maximal
// reference values, for a comparison by eye. The rating itself is the summary's.

#include "model/method_results.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>

class QLabel;

namespace kalvora::ui {

class AppState;
class ValueArea;
class ViewPictureRow;
class Windows;

class Form3 : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    Form3(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;
    /// Writes the values of results (and what the input form holds) and places the markers;
    /// the load shows the run's record this way, after the captions.
    void show(const model::MethodResults &results);

private:
    void applyCaptions();

    AppState &m_state;
    QLabel *m_heading;
    QLabel *m_indexCaption;
    ValueArea *m_index;
    QLabel *m_metabolicCaption;
    ValueArea *m_metabolic;
    QLabel *m_chartHeading;
    QWidget *m_chart;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
