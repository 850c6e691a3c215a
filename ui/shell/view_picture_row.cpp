#include "view_picture_row.h"

#include "app_state.h"
#include "common_captions.h"
#include "exit_confirmation.h"
#include "picture_button.h"
#include "pictures.h"
#include "window_printing.h"
#include "windows.h"

#include <QHBoxLayout>
#include <QShortcut>

namespace kalvora::ui {

ViewPictureRow::ViewPictureRow(QWidget &window, const ViewPictureNames &names)
    : QWidget(&window)
    , m_back(new PictureButton(
          QString::fromUtf8(names.back), QString::fromLatin1(pictures::kBack), this))
    , m_exit(new PictureButton(
          QString::fromUtf8(names.exit), QString::fromLatin1(pictures::kExit), this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    if (names.print) {
        m_print = new PictureButton(
            QString::fromUtf8(names.print), QString::fromLatin1(pictures::kPrint), this);
        connect(m_print, &PictureButton::clicked, this, &ViewPictureRow::printRequested);
        row->addWidget(m_print);
    }
    row->addWidget(m_back);
    row->addWidget(m_exit);
    connect(m_back, &PictureButton::clicked, this, &ViewPictureRow::backRequested);
    connect(m_exit, &PictureButton::clicked, this, &ViewPictureRow::exitRequested);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &ViewPictureRow::backRequested);
}

void ViewPictureRow::applyCaptions(model::Language language)
{
    m_back->setDescription(pick(commonCaption(CommonText::CloseWindow), language));
    m_exit->setDescription(pick(commonCaption(CommonText::ExitProgram), language));
    if (m_print)
        m_print->setDescription(pick(commonCaption(CommonText::PrintWindow), language));
}

void connectViewActions(ViewPictureRow &row, AppState &state, Windows &windows, WindowId self)
{
    QObject::connect(
        &row, &ViewPictureRow::backRequested, &row, [&windows, self] { windows.close(self); });
    QObject::connect(&row, &ViewPictureRow::exitRequested, &row,
        [&state, &windows, self] { ConfirmExit(state, windows, self); });
    QObject::connect(&row, &ViewPictureRow::printRequested, &row,
        [&row, &state] { printWindowImage(*row.window(), state.language()); });
}

} // namespace kalvora::ui
