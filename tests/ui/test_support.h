#pragma once
// What every desktop test needs around the windows it drives: every modal message box answered
// and recorded in the order it appeared, and the program run until its end.

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

namespace kalvora::ui::test {

struct Message
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

/// Answers every modal message box shown while it lives with `answer`, keeping what it showed.
class MessageRecorder : public QObject
{
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    const std::vector<Message> &seen() const { return m_seen; }
    int count() const { return int(m_seen.size()); }
    QStringList texts() const;
    void clear() { m_seen.clear(); }

private:
    void answerOpenBox();

    QMessageBox::StandardButton m_answer;
    QTimer m_poll;
    std::vector<Message> m_seen;
};

/// Runs the event loop until the program ends (or a generous guard gives up) after `step`, and
/// returns the program's exit status.
int runUntilTheEnd(const std::function<void()> &step);

} // namespace kalvora::ui::test
