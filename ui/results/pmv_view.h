#pragma once
// The PMV view: the predicted mean vote and the percentage of dissatisfied, an arrow on the
// seven-step sensation scale at the height of the vote, the recommended range and the chart of
// the dissatisfied percentage against the vote.

#include "model/method_results.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>
#include <array>

class QLabel;

namespace kalvora::ui {

class AppState;
class ScaleMarker;
class TwipsPanel;
class ValueArea;
class ViewPictureRow;
class Windows;

class Form4 : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    Form4(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;
    /// Writes the values of results (and what the input form holds) and places the markers;
    /// the load shows the run's record this way, after the captions.
    void show(const model::MethodResults &results);

private:
    QWidget *createScale();
    void applyCaptions();
    void placeArrow(double IVM);

    AppState &m_state;
    QLabel *m_heading;
    ValueArea *m_vote;
    QLabel *m_percentageCaption;
    ValueArea *m_percentage;
    QLabel *m_recommended;
    TwipsPanel *m_scale = nullptr;
    std::array<QLabel *, 7> m_steps {}; ///< steps 3 down to −3
    ScaleMarker *m_arrow = nullptr;
    QWidget *m_chart = nullptr;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
