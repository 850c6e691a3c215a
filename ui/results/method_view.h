#pragma once
// What the six method views share: the run's state, the row of pictures (back and exit) with
// their actions for the view's own window, and the load that sets every text for the run's
// language and then writes the run's record. A view builds its controls, then the pictures last
// (so that Tab reaches them after the values), and says how it sets its captions and shows a
// record.

#include "model/method_results.h"
#include "ui/shell/loads_on_open.h"
#include "ui/shell/window_id.h"

#include <QWidget>

namespace kalvora::ui {

class AppState;
class ViewPictureRow;
class Windows;

class MethodView : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    /// Sets the captions, then shows the run's record.
    void load() final;
    /// Writes the values of results (and what the input form holds) and places the markers.
    virtual void show(const model::MethodResults &results) = 0;

protected:
    MethodView(AppState &state, Windows &windows, WindowId self, QWidget *parent);
    /// The row of back and exit pictures, wired to this view; built once, by the constructor.
    QWidget *createPictures();
    /// The view's own texts, from its caption table, in the run's language.
    virtual void applyCaptions() = 0;

    AppState &m_state;

private:
    Windows &m_windows;
    WindowId m_self;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
