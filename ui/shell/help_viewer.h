#pragma once
// The help viewer: the pages of the last help request, one at a time, with previous and next.
// Each page is the program's own text for the requested document, in the language of the run;
// when a document file of that name lies in the working folder, the page also offers to open it
// with the desktop's application. A new request while the viewer is open replaces its pages.

#include <QWidget>
#include <array>
#include <string>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace kalvora::ui {

class AppState;
class PictureButton;
class Windows;

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    HelpViewer(AppState &state, Windows &windows, QWidget *parent = nullptr);

private:
    QLayout *createButtons();
    void loadRequest();
    /// Pages of the request: npag of the input set, read afresh, 1 to 5.
    int pageCount() const;
    void showPage();
    void onPagantClicked();
    void onPagsigClicked();
    void onAbrirClicked();

    AppState &m_state;
    Windows &m_windows;
    std::array<std::string, 6> m_slots;
    int m_current = 0;
    QTextBrowser *m_page = nullptr;
    QLabel *m_position = nullptr;
    QPushButton *m_open = nullptr;
    PictureButton *m_pagant = nullptr;
    PictureButton *m_pagsig = nullptr;
};

} // namespace kalvora::ui
