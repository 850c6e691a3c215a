#include "hub.h"

#include "hub_captions.h"
#include "input_summary.h"
#include "method_views.h"
#include "ui/shell/app_state.h"
#include "ui/shell/common_captions.h"
#include "ui/shell/exit_confirmation.h"
#include "ui/shell/links.h"
#include "ui/shell/messages.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/pictures.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace kalvora::ui {

using model::Method;

namespace {

template <class E> constexpr int at(E e)
{
    return static_cast<int>(e);
}

struct MethodButton
{
    Method method;
    const char *name;
};

constexpr MethodButton kMethodButtons[] = {
    { Method::Pmv, "BIVM" },
    { Method::Hsi, "BISC" },
    { Method::Wbgt, "BWBGT" },
    { Method::SwReq, "BSWreq" },
    { Method::Wci, "BIVF" },
    { Method::Ireq, "BIREQ" },
};

/// A link label and the picture beside it, which do the same: open a window, or (none) go back
/// to the input form.
struct Link
{
    HubText caption;
    const char *label;
    const char *picture;
    const char *icon;
    std::optional<WindowId> opens;
};

constexpr Link kLinks[] = {
    { HubText::Result, "result", "Picture1", pictures::kResults, WindowId::ResultsSummary },
    { HubText::Param, "param", "observaciones", pictures::kReport, WindowId::ParametersReport },
    { HubText::Infv, "infv", "Picture3", pictures::kSweep, WindowId::SweepWindow },
    { HubText::Modif, "modif", "modificar", pictures::kModify, std::nullopt },
};

} // namespace

Hub::Hub(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::Hub));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_summary = new InputSummary(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_summary);
    layout->addLayout(createMethodButtons());
    layout->addLayout(createLinks());
}

void Hub::load()
{
    applyCaptions();
    m_summary->fill(m_state.input(), m_state.language());
    enableMethodButtons();
    report(m_state.evaluate());
}

QLayout *Hub::createMethodButtons()
{
    auto *grid = new QGridLayout;
    for (const MethodButton &entry : kMethodButtons) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromUtf8(entry.name));
        connect(button, &QPushButton::clicked, this,
            [this, view = methodView(entry.method)] { m_windows.open(view); });
        grid->addWidget(button, at(entry.method) / 3, at(entry.method) % 3);
        m_buttons[at(entry.method)] = button;
    }
    return grid;
}

QLayout *Hub::createLinks()
{
    static_assert(std::size(kLinks) == kLinkCount, "the hub keeps one pair of controls per link");
    auto *grid = new QGridLayout;
    int row = 0;
    for (const Link &link : kLinks) {
        auto *picture = new PictureButton(
            QString::fromUtf8(link.picture), QString::fromLatin1(link.icon), this);
        auto *label = new LinkLabel(QString::fromUtf8(link.label), this);
        const auto follow = [this, opens = link.opens] {
            if (opens)
                m_windows.open(*opens);
            else
                m_windows.close(WindowId::Hub); // the results stay in the application state
        };
        connect(picture, &PictureButton::clicked, this, follow);
        connect(label, &LinkLabel::clicked, this, follow);
        grid->addWidget(picture, row, 0);
        grid->addWidget(label, row, 1);
        m_links[row++] = { picture, label };
    }
    m_exit
        = new PictureButton(QStringLiteral("Picture2"), QString::fromLatin1(pictures::kExit), this);
    connect(m_exit, &PictureButton::clicked, this,
        [this] { ConfirmExit(m_state, m_windows, WindowId::Hub); });
    grid->addWidget(m_exit, row, 2);
    return grid;
}

void Hub::applyCaptions()
{
    const model::Language language = m_state.language();
    setWindowTitle(pick(hubCaption(HubText::Title), language));
    m_label1->setText(pick(hubCaption(HubText::Label1), language));
    for (const MethodButton &entry : kMethodButtons)
        m_buttons[at(entry.method)]->setText(pick(methodButtonCaption(entry.method), language));
    for (std::size_t i = 0; i < std::size(kLinks); ++i) {
        const QString caption = pick(hubCaption(kLinks[i].caption), language);
        m_links[i].picture->setDescription(caption);
        m_links[i].label->setText(caption);
    }
    m_exit->setDescription(pick(commonCaption(CommonText::ExitProgram), language));
}

void Hub::enableMethodButtons()
{
    for (const MethodButton &entry : kMethodButtons)
        m_buttons[at(entry.method)]->setEnabled(m_state.input().method(entry.method));
}

void Hub::report(const model::Evaluation &evaluation)
{
    const model::Language language = m_state.language();
    if (evaluation.pmvOutOfRange) {
        // Switched off as if the user had cleared the box: the input form re-applies its enabling.
        m_state.setMethod(Method::Pmv, false);
        showWarning(this, QString::fromStdString(model::pmvRangeTitle(language)),
            QString::fromStdString(model::pmvRangeMessage(language)));
        m_buttons[at(Method::Pmv)]->setEnabled(false);
    }
    if (evaluation.fault) {
        // A method that did not run to the end has no results of this evaluation to show.
        const model::EvaluationScope &scope = m_state.session().scope();
        for (const MethodButton &entry : kMethodButtons)
            if (!scope.finished(entry.method))
                m_buttons[at(entry.method)]->setEnabled(false);
        showWarning(this, QString::fromStdString(model::faultTitle(language)),
            QString::fromStdString(model::faultMessage(*evaluation.fault, language)));
    }
}

} // namespace kalvora::ui
