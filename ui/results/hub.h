#pragma once
// The evaluation hub. Building it makes its controls; loading it is one evaluation: it sets its
// texts for the run's language, copies the input summary from the input set, enables the buttons
// of the selected methods, asks the application state to evaluate once and applies what the
// evaluation reports (PMV switched off when out of its range, a fault reported by method and
// step). Its buttons, links and pictures open the result windows.

#include "model/evaluation.h"
#include "ui/shell/loads_on_open.h"

#include <QWidget>
#include <array>

class QLabel;
class QLayout;
class QPushButton;

namespace kalvora::ui {

class AppState;
class InputSummary;
class LinkLabel;
class PictureButton;
class Windows;

class Hub : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    Hub(AppState &state, Windows &windows, QWidget *parent = nullptr);
    void load() override;

private:
    /// A link caption and the picture beside it.
    struct LinkControls
    {
        PictureButton *picture = nullptr;
        LinkLabel *label = nullptr;
    };
    static constexpr int kLinkCount = 4;

    QLayout *createMethodButtons();
    QLayout *createLinks();
    void applyCaptions();
    void enableMethodButtons();
    void report(const model::Evaluation &evaluation);

    AppState &m_state;
    Windows &m_windows;
    QLabel *m_label1 = nullptr;
    InputSummary *m_summary = nullptr;
    std::array<QPushButton *, model::kMethodCount> m_buttons {};
    std::array<LinkControls, kLinkCount> m_links {};
    PictureButton *m_exit = nullptr;
};

} // namespace kalvora::ui
