#pragma once
// The HSI view: the heat stress index and the allowable exposure time, the strain categories
// beside the index scale, and an arrow at the height of the index.

#include "model/method_results.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>
#include <vector>

class QLabel;

namespace kalvora::ui {

class AppState;
class HsiScale;
class ScaleMarker;
class TwipsPanel;
class ValueArea;
class ViewPictureRow;
class Windows;

class Form6 : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    Form6(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;
    /// Writes the values of results (and what the input form holds) and places the markers;
    /// the load shows the run's record this way, after the captions.
    void show(const model::MethodResults &results);

private:
    QWidget *createScale();
    void applyCaptions();
    void placeArrow(double ISC);

    AppState &m_state;
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
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
