#pragma once
// The required-sweat-rate view: for non-acclimatized and acclimatized subjects, under the alarm
// and the danger criterion, the skin wettedness, evaporation rate, sweat rate, water loss and
// allowable exposure time, as a grid.

#include "method_view.h"
#include "model/method_results.h"
#include "model/sweat_criteria.h"

#include <QWidget>
#include <array>
#include <vector>

class QGridLayout;
class QLabel;

namespace kalvora::ui {

class AppState;
class ValueArea;
class Windows;

class SweatRateView : public MethodView
{
    Q_OBJECT
public:
    SweatRateView(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void show(const model::MethodResults &results) override;

private:
    /// The block of one kind of subjects (0 non-acclimatized, 1 acclimatized) and its two
    /// criteria.
    QWidget *createBlock(int block);
    void applyCaptions() override;

    static constexpr int kRows = 5; // wp, Ep, SWp, D, DLE

    QLabel *m_heading;
    std::array<QLabel *, 2> m_blockHeadings {};
    std::vector<QLabel *> m_blockLabels; ///< row labels and criterion headings of both blocks
    /// Value areas by criterion (naa, nap, aa, ap) and row.
    std::array<std::array<ValueArea *, kRows>, 4> m_values {};
};

} // namespace kalvora::ui
