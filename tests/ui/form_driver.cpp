#include "form_driver.h"

#include "ui/input/register.h"
#include "ui/results/register.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace kalvora::ui::test {

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer)
    : m_answer(answer)
{
    m_poll.setInterval(5);
    connect(&m_poll, &QTimer::timeout, this, &MessageRecorder::answerOpenBox);
    m_poll.start();
}

QStringList MessageRecorder::texts() const
{
    QStringList texts;
    for (const Message &message : m_seen)
        texts << message.text;
    return texts;
}

void MessageRecorder::answerOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_seen.push_back({ box->windowTitle(), box->text(), box->icon(), box->standardButtons() });
    if (QAbstractButton *button = box->button(m_answer))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        box->reject();
}

FormDriver::FormDriver(model::Language language)
{
    state.setLanguage(language);
    registerInputForm(state, windows);
    registerHub(state, windows);
    windows.open(WindowId::Form1);
}

FormDriver::~FormDriver()
{
    windows.close(WindowId::Form2);
    windows.close(WindowId::Form1);
    settle();
}

void FormDriver::settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void FormDriver::perform(const QStringList &actions)
{
    for (const QString &action : actions) {
        const qsizetype equals = action.indexOf(QLatin1Char('='));
        if (equals < 0)
            click(form(), action);
        else
            type(action.left(equals), action.mid(equals + 1));
    }
}

void FormDriver::click(QWidget *window, const QString &name)
{
    QWidget *target = control(window, name);
    // Check boxes and options react only over their indicator and text: aim at the indicator.
    const bool indicator = qobject_cast<QAbstractButton *>(target) && !qobject_cast<QToolButton *>(target)
        && !qobject_cast<QPushButton *>(target);
    const QPoint where = indicator ? QPoint(6, target->height() / 2) : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, where);
}

void FormDriver::type(const QString &box, const QString &text)
{
    auto *edit = control<QLineEdit>(form(), box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void FormDriver::load() { click(form(), QStringLiteral("Cargar_datos")); }

} // namespace kalvora::ui::test
