#include "help_viewer.h"

#include "app_state.h"
#include "caption.h"
#include "help_pages.h"
#include "picture_button.h"
#include "pictures.h"
#include "window_id.h"
#include "windows.h"

#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace kalvora::ui {

namespace {

enum class Text { Title, Previous, Next, Close, Position, Open, Missing };

Caption caption(Text text)
{
    switch (text) {
    case Text::Title:
        return { "Ayuda", "Help" };
    case Text::Previous:
        return { "Página anterior", "Previous page" };
    case Text::Next:
        return { "Página siguiente", "Next page" };
    case Text::Close:
        return { "Cerrar la ayuda", "Close the help" };
    case Text::Position:
        return { "Página %1 de %2", "Page %1 of %2" };
    case Text::Open:
        return { "Abrir el documento %1", "Open the document %1" };
    case Text::Missing:
        return { "No hay página de ayuda para %1.", "There is no help page for %1." };
    }
    return { "", "" };
}

constexpr int kPageWidth = 620;
constexpr int kPageHeight = 460;

} // namespace

HelpViewer::HelpViewer(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    const model::Language language = m_state.language();
    setObjectName(formObjectName(WindowId::HelpViewer));
    setWindowTitle(pick(caption(Text::Title), language));

    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("OLE1"));
    m_page->setOpenLinks(false);
    m_page->setMinimumSize(kPageWidth, kPageHeight);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("posicion"));
    m_open = new QPushButton(this);
    m_open->setObjectName(QStringLiteral("abrir"));
    connect(m_open, &QPushButton::clicked, this, &HelpViewer::onAbrirClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addWidget(m_open, 0, Qt::AlignLeft);
    layout->addLayout(createButtons());

    connect(&m_state, &AppState::helpRequested, this, &HelpViewer::loadRequest);
    loadRequest();
}

QLayout *HelpViewer::createButtons()
{
    const model::Language language = m_state.language();
    const auto button = [this, language](const char *name, const char *icon, Text description) {
        auto *picture
            = new PictureButton(QString::fromLatin1(name), QString::fromLatin1(icon), this);
        picture->setDescription(pick(caption(description), language));
        return picture;
    };
    m_pagant = button("pagant", pictures::kPreviousPage, Text::Previous);
    m_pagsig = button("pagsig", pictures::kNextPage, Text::Next);
    PictureButton *salir = button("salir", pictures::kBack, Text::Close);
    connect(m_pagant, &PictureButton::clicked, this, &HelpViewer::onPagantClicked);
    connect(m_pagsig, &PictureButton::clicked, this, &HelpViewer::onPagsigClicked);
    connect(
        salir, &PictureButton::clicked, this, [this] { m_windows.close(WindowId::HelpViewer); });

    auto *row = new QHBoxLayout;
    row->addWidget(m_pagant);
    row->addWidget(m_position);
    row->addWidget(m_pagsig);
    row->addStretch();
    row->addWidget(salir);
    return row;
}

int HelpViewer::pageCount() const
{
    const int pages = static_cast<int>(m_state.helpRequest().pagina.size());
    return std::clamp(m_state.helpRequest().npag, 1, pages);
}

void HelpViewer::loadRequest()
{
    const HelpRequest &request = m_state.helpRequest();
    for (int i = 0; i < pageCount(); ++i)
        m_slots[static_cast<std::size_t>(i)] = request.pagina[static_cast<std::size_t>(i)];
    m_current = 0;
    showPage();
}

void HelpViewer::showPage()
{
    const model::Language language = m_state.language();
    const std::string &document = m_slots[static_cast<std::size_t>(m_current)];
    QFile page(helpPageResource(document, language));
    if (page.open(QIODevice::ReadOnly))
        m_page->setHtml(QString::fromUtf8(page.readAll()));
    else
        m_page->setPlainText(
            pick(caption(Text::Missing), language).arg(QString::fromStdString(document)));
    m_page->setProperty("helpDocument", QString::fromStdString(document));
    m_page->setAccessibleName(m_page->documentTitle());

    const int count = pageCount();
    m_position->setText(pick(caption(Text::Position), language).arg(m_current + 1).arg(count));
    m_pagant->setEnabled(m_current > 0);
    m_pagsig->setEnabled(m_current < count - 1);

    const bool beside = !helpDocumentFile(document).isEmpty();
    m_open->setText(pick(caption(Text::Open), language).arg(QString::fromStdString(document)));
    m_open->setVisible(beside);
}

void HelpViewer::onPagantClicked()
{
    if (m_current > 0)
        --m_current;
    showPage();
}

void HelpViewer::onPagsigClicked()
{
    if (m_current < pageCount() - 1)
        ++m_current;
    showPage();
}

void HelpViewer::onAbrirClicked()
{
    const QString file = helpDocumentFile(m_slots[static_cast<std::size_t>(m_current)]);
    if (!file.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace kalvora::ui
