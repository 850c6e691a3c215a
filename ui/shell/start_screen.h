#pragma once
// The start screen: the language of the run and the way into the input form. After the start
// it stays loaded but hidden; the language itself lives in the application state.

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace kalvora::ui {

class AppState;
class PictureButton;
class Windows;

class StartScreen : public QWidget
{
    Q_OBJECT
public:
    StartScreen(AppState &state, Windows &windows, QWidget *parent = nullptr);

private:
    QWidget *createHeading();
    QWidget *createStripes();
    QGroupBox *createLanguageFrame();
    QWidget *createCredits();
    void applyCaptions();

    void onIdiomaToggled(bool english);
    void onInicioClicked();
    void onSalirClicked();

    AppState &m_state;
    Windows &m_windows;
    QLabel *m_label1 = nullptr;
    QRadioButton *m_spanish = nullptr;
    QRadioButton *m_english = nullptr;
    QPushButton *m_inicio = nullptr;
    PictureButton *m_salir = nullptr;
};

} // namespace kalvora::ui
