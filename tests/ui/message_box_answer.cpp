#include "message_box_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace kalvora::ui::test {

std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton answer)
{
    auto seen = std::make_shared<SeenBox>();
    auto *poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        seen->seen = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        if (QAbstractButton *button = box->button(answer))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            box->reject();
    });
    poll->start();
    return seen;
}

} // namespace kalvora::ui::test
