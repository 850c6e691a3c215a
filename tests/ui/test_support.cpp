#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace kalvora::ui::test {

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer)
    : m_answer(answer)
{
    m_poll.setInterval(5);
    connect(&m_poll, &QTimer::timeout, this, &MessageRecorder::answerOpenBox);
    m_poll.start();
}

MessageRecorder::~MessageRecorder()
{
    QCoreApplication::processEvents();
}

const std::vector<Message> &MessageRecorder::seen() const
{
    QCoreApplication::processEvents();
    return m_seen;
}

void MessageRecorder::clear()
{
    QCoreApplication::processEvents();
    m_seen.clear();
}

QStringList MessageRecorder::texts() const
{
    QStringList texts;
    for (const Message &message : seen())
        texts << message.text;
    return texts;
}

void MessageRecorder::answerOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    QStringList buttonTexts;
    for (const QAbstractButton *button : box->buttons())
        buttonTexts << button->text().remove(QLatin1Char('&'));
    m_seen.push_back({ box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
        buttonTexts, box->grab() });
    if (QAbstractButton *button = box->button(m_answer))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        box->reject();
}

int runUntilTheEnd(const std::function<void()> &step)
{
    QTimer::singleShot(0, qApp, step);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(20000);
    return QApplication::exec();
}

} // namespace kalvora::ui::test
