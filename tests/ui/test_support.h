#pragma once
// What every desktop test needs around the windows it drives: every modal message box answered
// and recorded in the order it appeared, and the program run until its end.

#include <QMessageBox>
#include <QObject>
#include <QPixmap>
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
    QStringList buttonTexts; ///< as shown, in the order of the buttons, without mnemonics
    QPixmap picture; ///< the box as it looked
};

/// Answers every modal message box shown while it lives with `answer`, keeping what it showed.
/// Message boxes come up once the action that asked for them has returned to the event loop: the
/// recorder lets them come up (and be answered) before it says what was shown, and before it goes.
class MessageRecorder : public QObject
{
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageRecorder() override;
    const std::vector<Message> &seen() const;
    int count() const { return int(seen().size()); }
    /// How many boxes were answered so far, without letting queued ones come up.
    int answeredSoFar() const { return int(m_seen.size()); }
    QStringList texts() const;
    void clear();

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
