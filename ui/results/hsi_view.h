#pragma once
// The HSI view: the heat stress index and the allowable exposure time, the strain categories
// beside the index scale, and an arrow at the height of the index.

#include "method_view.h"
#include "model/method_results.h"

#include <QWidget>
#include <vector>

class QLabel;

namespace kalvora::ui {

class AppState;
class HsiScale;
class ScaleMarker;
class TwipsPanel;
class ValueArea;
class Windows;

class HsiView : public MethodView
{
    Q_OBJECT
public:
    HsiView(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void show(const model::MethodResults &results) override;

private:
    QWidget *createScale();
    void applyCaptions() override;
    void placeArrow(double ISC);

    QLabel *m_heading;
    QLabel *m_indexCaption;
    QLabel *m_indexSymbol;
    ValueArea *m_index;
    QLabel *m_timeCaption;
    QLabel *m_timeSymbol;
    ValueArea *m_time;
    ValueArea *m_scaleHeading;
    TwipsPanel *m_scale = nullptr;
    HsiScale *m_ticks = nullptr;
    std::vector<ValueArea *> m_categories;
    ScaleMarker *m_arrow = nullptr;
};

} // namespace kalvora::ui
