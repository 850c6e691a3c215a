#include "register.h"

#include "point_commands.h"
#include "recovery_file.h"
#include "survey_captions.h"
#include "survey_files.h"
#include "survey_report_window.h"
#include "survey_session.h"
#include "survey_window.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

namespace kalvora::ui {

SurveyDesk::SurveyDesk(AppState &state, Windows &windows)
    : QObject(&windows)
    , m_state(state)
    , m_windows(windows)
    , m_session(new SurveySession(state, this))
    , m_files(new SurveyFiles(*m_session, this))
    , m_recovery(new RecoveryFile(*m_session, this))
{
    windows.registerFactory(WindowId::Survey,
        [this] { return new SurveyWindow(*m_session, *m_files, m_state, m_windows); });
    windows.registerFactory(
        WindowId::SurveyReport, [this] { return new SurveyReportWindow(*m_session, m_windows); });
    connect(&windows, &Windows::opened, this, &SurveyDesk::onWindowOpened);
    connect(&windows, &Windows::closed, this, &SurveyDesk::onWindowClosed);
    state.setLeaveCheck([this](QWidget *parent, std::function<void()> leave) {
        m_files->settle(parent, [this, leave = std::move(leave)] {
            drop();
            leave();
        });
    });
}

void SurveyDesk::onWindowOpened(WindowId id)
{
    if (id != WindowId::InputForm)
        return;
    QWidget *form = m_windows.window(id);
    addSurveyMenu(form);
    form->installEventFilter(this);
    // Once the form is shown: first a survey a crashed run left, then the file of the command line.
    QTimer::singleShot(0, form, [this, form] {
        m_recovery->offerLeftSurvey(form, [this, form] {
            if (m_pendingFile.isEmpty())
                return;
            m_files->openPath(form, std::exchange(m_pendingFile, QString()));
            m_windows.open(WindowId::Survey);
        });
    });
}

void SurveyDesk::onWindowClosed(WindowId id)
{
    if (id != WindowId::InputForm)
        return;
    m_windows.close(WindowId::SurveyReport);
    m_windows.close(WindowId::Survey);
    drop();
}

bool SurveyDesk::eventFilter(QObject *watched, QEvent *event)
{
    // The input form's own close box: the survey's unsaved changes are settled first, and cancel
    // keeps the form open. (Closed through the registry, the form has left it already and its
    // survey was settled before.)
    QWidget *form = m_windows.window(WindowId::InputForm);
    if (event->type() == QEvent::Close && watched == form && m_session->isModified()) {
        event->ignore();
        m_files->settle(form, [this] {
            drop();
            m_windows.close(WindowId::InputForm);
        });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SurveyDesk::addSurveyMenu(QWidget *form)
{
    const model::Language language = m_state.language();
    auto *bar = new QMenuBar(form);
    bar->setObjectName(QStringLiteral("surveyMenuBar"));
    QMenu *menu = bar->addMenu(pick(surveyCaption(SurveyText::SurveyMenu), language));
    m_files->addFileActions(menu, form);
    menu->addSeparator();
    menu->addAction(pick(surveyCaption(SurveyText::AddPoint), language), this,
            [this, form] {
                const std::optional<int> row = addFormValues(form, *m_session, m_state);
                if (!row)
                    return;
                if (auto *window = dynamic_cast<SurveyWindow *>(m_windows.open(WindowId::Survey)))
                    window->selectPoint(*row);
            })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    menu->addAction(pick(surveyCaption(SurveyText::ShowSurvey), language), this,
            [this] { m_windows.open(WindowId::Survey); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    // Above every control of the form, which keeps its place.
    form->layout()->setMenuBar(bar);
}

void SurveyDesk::drop()
{
    m_session->replace(model::Survey(), QString(), false);
}

SurveyDesk &registerSurveyWindows(AppState &state, Windows &windows)
{
    return *new SurveyDesk(state, windows);
}

} // namespace kalvora::ui
