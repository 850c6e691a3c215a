#pragma once
// The survey's file commands, offered alike by the survey window and the input form's menu: new,
// open (also a recent file, or a file named when the program starts), save, save as. Each asks
// its questions in the window it was chosen from. Changes not yet saved are never dropped
// without asking: a new or another survey first asks to save, discard or cancel. A file that
// cannot be opened is named in a message with the reader's reason, and the open survey stays as
// it was.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace kalvora::ui {

class SurveySession;

class SurveyFiles : public QObject
{
    Q_OBJECT
public:
    explicit SurveyFiles(SurveySession &session, QObject *parent = nullptr);

    void newSurvey(QWidget *window);
    /// Asks for a file, then opens it.
    void open(QWidget *window);
    /// Reads path; when it can be read whole, settles the unsaved changes and shows it.
    void openPath(QWidget *window, const QString &path);
    /// Saves to the survey's file, or asks for one first; then runs saved.
    void save(QWidget *window, std::function<void()> saved = {});
    void saveAs(QWidget *window, std::function<void()> saved = {});

    /// With unsaved changes, asks to save, discard or cancel; runs proceed after a save that
    /// worked or a discard, and never after cancel. Without changes it runs proceed at once.
    void settle(QWidget *window, std::function<void()> proceed);

    /// New, Open, Open recent, Save and Save as, with their shortcuts, added to menu; they ask in
    /// window. Returns New, Open and Save, for a toolbar.
    QList<QAction *> addFileActions(QMenu *menu, QWidget *window);

private:
    void fillRecentMenu(QMenu *menu, QWidget *window);
    /// Saves to path; a failure is shown and saved does not run.
    void writeTo(QWidget *window, const QString &path, std::function<void()> saved);

    SurveySession &m_session;
};

} // namespace kalvora::ui
