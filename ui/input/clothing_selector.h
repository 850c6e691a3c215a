#pragma once
// The clothing insulation selector: seventeen typical ensembles with their insulation in clo and
// m²·K/W. A click on an ensemble puts its clo value into the window's own box `Aislam`, which the
// user may also edit; accepting writes the box back into the input set's `Iclo` as text.

#include <QWidget>

class QGridLayout;
class QLineEdit;

namespace kalvora::ui {

class AppState;
class Windows;

class ClothingSelector : public QWidget
{
    Q_OBJECT
public:
    ClothingSelector(AppState &state, Windows &windows, QWidget *parent = nullptr);

private:
    QGridLayout *createEnsembleTable();
    QLayout *createSelection();
    void onPicture1Clicked();
    void onSalirClicked();

    AppState &m_state;
    Windows &m_windows;
    QLineEdit *m_aislam = nullptr;
};

} // namespace kalvora::ui
