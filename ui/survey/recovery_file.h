#pragma once
// A survey with unsaved changes kept safe from a crash. While the session holds changes, its
// survey is written every minute to a recovery file of this run in the program's data folder
// (beside it, then renamed into place), with the name of the file it belongs to; the recovery
// file goes as soon as the changes are saved or dropped. A recovery file whose run has ended
// (its lock is free) was left by a program that ended without either: the next start offers it.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace kalvora::ui {

class SurveySession;

class RecoveryFile : public QObject
{
    Q_OBJECT
public:
    /// How often a survey with changes is written.
    static constexpr int kIntervalMs = 60 * 1000;

    explicit RecoveryFile(SurveySession &session, QObject *parent = nullptr);

    /// The folder of every run's recovery files.
    static QString folder();
    /// This run's recovery file.
    QString path() const;

    /// Writes the session's survey now (the timer does it every minute).
    void write();

    /// Offers the most recent survey left by a run that ended without saving or dropping its
    /// changes, if there is one: on yes it becomes the session's survey, still to be saved, in
    /// this run's recovery file; on either answer its old recovery file goes. Then runs next.
    void offerLeftSurvey(QWidget *window, std::function<void()> next);

private:
    void follow();
    void remove();

    SurveySession &m_session;
    QString m_id; ///< the run's name for its files
    QLockFile m_lock; ///< held from this run's first recovery file to its end
    QTimer m_timer { this }; ///< a child, so that the minute's beat can be looked at
};

} // namespace kalvora::ui
