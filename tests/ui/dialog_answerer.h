#pragma once
// Answers the modal dialogs a command opens in the middle of a test, as a user would: a text
// question (a point's name) gets its text typed, a file dialog its path, and Enter is pressed.

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace kalvora::ui::test {

class DialogAnswerer : public QObject
{
public:
    /// Each dialog that comes up gets the next of texts typed into its text box (a file
    /// dialog's file name box), then Enter; once the texts are used up, dialogs are cancelled.
    explicit DialogAnswerer(QStringList texts)
        : m_texts(std::move(texts))
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, &DialogAnswerer::answerOpenDialog);
        m_poll.start();
    }

    /// The titles of the dialogs answered so far.
    const QStringList &titles() const { return m_titles; }

private:
    void answerOpenDialog()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog == m_last
            || (!qobject_cast<QInputDialog *>(dialog) && !qobject_cast<QFileDialog *>(dialog)))
            return;
        m_last = dialog;
        m_titles << dialog->windowTitle();
        if (m_texts.isEmpty()) {
            dialog->reject();
            return;
        }
        if (qobject_cast<QFileDialog *>(dialog)) {
            // A path is set, not typed: typing it would let the completer's list take the keys.
            auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            box->setFocus();
            box->setText(m_texts.takeFirst());
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        auto *box = dialog->findChild<QLineEdit *>();
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, m_texts.takeFirst());
        QTest::keyClick(box, Qt::Key_Return);
    }

    QStringList m_texts;
    QStringList m_titles;
    QPointer<QDialog> m_last;
    QTimer m_poll;
};

/// Answers the message boxes that come up, in order, with the given buttons (a box with none of
/// them left is rejected), keeping their texts. Boxes come up once the action that asked for them
/// has returned to the event loop: texts() lets them come up first.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers)
        : m_answers(std::move(answers))
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::answerOpenBox);
        m_poll.start();
    }

    QStringList texts()
    {
        for (int i = 0; i < 20; ++i)
            QTest::qWait(10);
        return m_texts;
    }

private:
    void answerOpenBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_last)
            return;
        m_last = box;
        m_texts << box->text();
        QAbstractButton *button
            = m_answers.isEmpty() ? nullptr : box->button(m_answers.takeFirst());
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            box->reject();
    }

    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_texts;
    QPointer<QMessageBox> m_last;
    QTimer m_poll;
};

} // namespace kalvora::ui::test
