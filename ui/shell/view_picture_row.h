#pragma once
// The row of pictures every view carries: back (`salir`, closes the view), exit the program
// (`Picture2`, `Picture3` on the sweep) and, where the window prints, print (`Picture4`,
// `Picture9` on the summary). Esc on the window acts like back. The row only says what was asked
// (signals); connectViewActions gives a view the usual meaning of each picture.
//
// Use in a result window (constructor, then once at load):
//     m_pictures = new ViewPictureRow(*this, { .print = "Picture4" });
//     connectViewActions(*m_pictures, m_state, m_windows, WindowId::ParametersReport);
//     layout->addWidget(m_pictures);
//     ... m_pictures->applyCaptions(language);

#include "model/language.h"
#include "window_id.h"

#include <QWidget>

namespace kalvora::ui {

class AppState;
class PictureButton;
class Windows;

/// Object names of the pictures; an empty print name means the window does not print.
struct ViewPictureNames
{
    const char *back = "salir";
    const char *exit = "Picture2";
    const char *print = nullptr;
};

class ViewPictureRow : public QWidget
{
    Q_OBJECT
public:
    /// Built inside window, whose Esc key is taken as back.
    ViewPictureRow(QWidget &window, const ViewPictureNames &names);

    /// Descriptions (tooltip and accessible name) of the pictures in the run's language.
    void applyCaptions(model::Language language);

    PictureButton *backPicture() const { return m_back; }
    PictureButton *exitPicture() const { return m_exit; }
    PictureButton *printPicture() const { return m_print; } ///< null when the window does not print

signals:
    void backRequested();
    void exitRequested();
    void printRequested();

private:
    PictureButton *m_back;
    PictureButton *m_exit;
    PictureButton *m_print = nullptr;
};

/// The usual meaning of the pictures of view `self`: back closes it through the registry, exit
/// asks the exit question for it (ConfirmExit), print prints the window's image.
void connectViewActions(ViewPictureRow &row, AppState &state, Windows &windows, WindowId self);

} // namespace kalvora::ui
