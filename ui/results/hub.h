#pragma once
// The evaluation hub. Loading it is one evaluation: it copies the input summary from the input
// set, enables the buttons of the selected methods, asks the model to evaluate once and applies
// what the evaluation reports (PMV switched off when out of its range, a fault reported by
// method and step). Its buttons, links and pictures open the result windows.

#include "model/evaluation.h"

#include <QWidget>
#include <array>

class QLayout;
class QPushButton;

namespace kalvora::ui {

class AppState;
class Windows;

class Form2 : public QWidget
{
    Q_OBJECT
public:
    Form2(AppState &state, Windows &windows, QWidget *parent = nullptr);

private:
    QLayout *createMethodButtons();
    QLayout *createLinks();
    void enableMethodButtons();
    void evaluate();
    void report(const model::Evaluation &evaluation);

    AppState &m_state;
    Windows &m_windows;
    std::array<QPushButton *, model::kMethodCount> m_buttons {};
};

} // namespace kalvora::ui
