#pragma once
// The wind chill view: the wind chill index and the chilling temperature, the cold-sensation
// categories beside the table of equivalent indices, and an arrow at the category of the
// chilling temperature.

#include "model/method_results.h"
#include "model/scale_positions.h"
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

class Form5 : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    Form5(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;
    /// Writes the values of results (and what the input form holds) and places the markers;
    /// the load shows the run's record this way, after the captions.
    void show(const model::MethodResults &results);

private:
    QWidget *createScale();
    void applyCaptions();
    void placeArrow(double tch);

    AppState &m_state;
    QLabel *m_heading;
    QLabel *m_indexCaption;
    ValueArea *m_index;
    QLabel *m_chillCaption;
    ValueArea *m_chill;
    ValueArea *m_scaleHeading;
    TwipsPanel *m_scale = nullptr;
    QWidget *m_table = nullptr;
    std::array<ValueArea *, model::kColdCategoryCount> m_categories {};
    ScaleMarker *m_arrow = nullptr;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
