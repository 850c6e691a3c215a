#pragma once
// The survey's place in the program: the session that holds the open survey for the whole run,
// its file commands and recovery file, the survey window and its report, and what joins them to
// the input form. The survey lives with the input form: the form gets a Survey menu; when the
// form closes (by the exit question or its own close box), unsaved changes are settled first
// (save, discard or cancel) and the survey windows close with it.

#include "ui/shell/window_id.h"

#include <QObject>
#include <QString>

namespace kalvora::ui {

class AppState;
class RecoveryFile;
class SurveyFiles;
class SurveySession;
class Windows;

class SurveyDesk : public QObject
{
    Q_OBJECT
public:
    /// Registers the survey window and the report with windows, and asks state to settle the
    /// survey before the exit question closes the input form. Owned by windows.
    SurveyDesk(AppState &state, Windows &windows);

    SurveySession &session() { return *m_session; }
    SurveyFiles &files() { return *m_files; }
    RecoveryFile &recovery() { return *m_recovery; }

    /// A survey file to open once the input form is shown (the language is chosen by then).
    void openWhenFormOpens(const QString &path) { m_pendingFile = path; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onWindowOpened(WindowId id);
    void onWindowClosed(WindowId id);
    void addSurveyMenu(QWidget *form);
    /// Drops the survey: what was not saved was discarded by the user.
    void drop();

    AppState &m_state;
    Windows &m_windows;
    SurveySession *m_session;
    SurveyFiles *m_files;
    RecoveryFile *m_recovery;
    QString m_pendingFile;
};

/// Builds the survey's desk for the program (see SurveyDesk).
SurveyDesk &registerSurveyWindows(AppState &state, Windows &windows);

} // namespace kalvora::ui
