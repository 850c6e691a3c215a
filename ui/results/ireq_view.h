#pragma once
// The IREQ view: the minimal and neutral required insulation, the insulation worn and the
// duration-limited exposures, beside the list of clothing ensembles on which three markers show
// where each insulation falls; the worn one's square is coloured by its rating.

#include "ireq_view_captions.h"
#include "method_view.h"
#include "model/method_results.h"

#include <QWidget>
#include <utility>
#include <vector>

class QLabel;

namespace kalvora::ui {

class AppState;
class RatingLight;
class TwipsPanel;
class ValueArea;
class Windows;

class IreqView : public MethodView
{
    Q_OBJECT
public:
    IreqView(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void show(const model::MethodResults &results) override;

private:
    QLayout *createValues();
    QWidget *createClothingList();
    void applyCaptions() override;
    void writeValues(const model::MethodResults &results, double Iclr);
    void placeMarkers(const model::MethodResults &results, double Iclr);
    void placeMarker(QLabel &marker, double x, double clo);
    void keepMarkersApart();

    std::vector<std::pair<QLabel *, IreqText>> m_labels; ///< every fixed label and its text
    std::vector<ValueArea *> m_values; ///< IREQ1, IREQ2, Iclod, PDLEmin, PDLEneut
    TwipsPanel *m_list = nullptr;
    QWidget *m_background = nullptr;
    std::vector<QLabel *> m_clothing;
    RatingLight *m_wornLight = nullptr;
    QLabel *m_wornMarker = nullptr;
    QLabel *m_minimalMarker = nullptr;
    QLabel *m_neutralMarker = nullptr;
};

} // namespace kalvora::ui
