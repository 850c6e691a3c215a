#pragma once
// The IREQ view: the minimal and neutral required insulation, the insulation worn and the
// duration-limited exposures, beside the list of clothing ensembles on which three markers show
// where each insulation falls; the worn one's square is coloured by its rating.

#include "ireq_view_captions.h"
#include "model/method_results.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>
#include <utility>
#include <vector>

class QLabel;

namespace kalvora::ui {

class AppState;
class RatingLight;
class TwipsPanel;
class ValueArea;
class ViewPictureRow;
class Windows;

class FormIREQ : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    FormIREQ(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;
    /// Writes the values of results (and what the input form holds) and places the markers;
    /// the load shows the run's record this way, after the captions.
    void show(const model::MethodResults &results);

private:
    QLayout *createValues();
    QWidget *createClothingList();
    void applyCaptions();
    void writeValues(const model::MethodResults &results, double Iclr);
    void placeMarkers(const model::MethodResults &results, double Iclr);
    void placeMarker(QLabel &marker, double x, double clo);

    AppState &m_state;
    std::vector<std::pair<QLabel *, IreqText>> m_labels; ///< every fixed label and its text
    std::vector<ValueArea *> m_values; ///< IREQ1, IREQ2, Iclod, PDLEmin, PDLEneut
    TwipsPanel *m_list = nullptr;
    QWidget *m_background = nullptr;
    std::vector<QLabel *> m_clothing;
    RatingLight *m_wornLight = nullptr;
    QLabel *m_wornMarker = nullptr;
    QLabel *m_minimalMarker = nullptr;
    QLabel *m_neutralMarker = nullptr;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
