#pragma once
// The input form: the method check boxes, every parameter of the input set with its caption and
// unit, the option groups, help links, and the load and exit pictures. Its builders make the
// controls; applyCaptions sets every text once, for the run's language. It mirrors the input set
// held by AppState: what the user types, ticks or selects goes to the model, and the enabled
// states are re-applied from the model's enabling rule whenever a flag or a selection changes,
// whoever changed it.

#include "model/input_parameters.h"

#include <QWidget>
#include <array>
#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;

namespace kalvora::ui {

class AppState;
class PictureButton;
class Windows;

class InputForm : public QWidget
{
    Q_OBJECT
public:
    InputForm(AppState &state, Windows &windows, QWidget *parent = nullptr);

private:
    QGroupBox *createMethodFrame();
    QFrame *createParameterArea();
    QGroupBox *createOptionFrame(model::OptionGroup group, QWidget *parent);
    QLayout *createButtons();
    QLineEdit *createBox(model::Field field, QWidget *parent);
    void applyCaptions();
    void alignRadiationBoxes();
    /// Caption label, box and unit label of a field on one row of grid.
    void addFieldRow(QGridLayout *grid, int row, model::Field field, QWidget *parent);

    void applyEnabling();
    void showText(model::Field field);
    void openHelp(std::initializer_list<const char *> pages);
    void onCaptionClicked(model::Field field);

    AppState &m_state;
    Windows &m_windows;
    std::array<QCheckBox *, model::kMethodCount> m_methods {};
    std::array<QLineEdit *, model::kFieldCount> m_boxes {};
    std::array<QLabel *, model::kFieldCount> m_captions {}; ///< none for the option boxes
    std::array<QLabel *, model::kFieldCount> m_units {}; ///< none for the humidity boxes
    std::array<QGroupBox *, model::kOptionGroupCount> m_frames {};
    std::array<QButtonGroup *, model::kOptionGroupCount> m_options {};
    QGroupBox *m_frame1 = nullptr; ///< the frame of the method check boxes
    QGridLayout *m_leftColumn = nullptr; ///< the parameter area's left column
    QLabel *m_label1 = nullptr; ///< heading of the parameter area
    PictureButton *m_load = nullptr;
    PictureButton *m_exit = nullptr;
};

} // namespace kalvora::ui
