#pragma once
// The PMV view: the predicted mean vote and the percentage of dissatisfied, an arrow on the
// seven-step sensation scale at the height of the vote, the recommended range and the chart of
// the dissatisfied percentage against the vote.

#include "method_view.h"
#include "model/method_results.h"

#include <QWidget>
#include <array>

class QLabel;

namespace kalvora::ui {

class AppState;
class ScaleMarker;
class TwipsPanel;
class ValueArea;
class Windows;

class PmvView : public MethodView
{
    Q_OBJECT
public:
    PmvView(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void show(const model::MethodResults &results) override;

private:
    QWidget *createScale();
    void applyCaptions() override;
    void placeArrow(double IVM);

    QLabel *m_heading;
    ValueArea *m_vote;
    QLabel *m_percentageCaption;
    ValueArea *m_percentage;
    QLabel *m_recommended;
    TwipsPanel *m_scale = nullptr;
    std::array<QLabel *, 7> m_steps {}; ///< steps 3 down to −3
    ScaleMarker *m_arrow = nullptr;
    QWidget *m_chart = nullptr;
};

} // namespace kalvora::ui
