#pragma once
// The wind chill view: the wind chill index and the chilling temperature, the cold-sensation
// categories beside the table of equivalent indices, and an arrow at the category of the
// chilling temperature.

#include "method_view.h"
#include "model/method_results.h"
#include "model/presentation/scale_positions.h"

#include <QWidget>
#include <array>

class QLabel;

namespace kalvora::ui {

class AppState;
class ScaleMarker;
class TwipsPanel;
class ValueArea;
class Windows;

class WindChillView : public MethodView
{
    Q_OBJECT
public:
    WindChillView(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void show(const model::MethodResults &results) override;

private:
    QWidget *createScale();
    void applyCaptions() override;
    void placeArrow(double tch);

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
};

} // namespace kalvora::ui
