#include "messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <deque>

namespace kalvora::ui {

namespace {

struct PendingBox
{
    QPointer<QWidget> parent;
    bool hasParent;
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    std::function<void(QMessageBox::StandardButton)> onAnswer;
};

std::deque<PendingBox> &pendingBoxes()
{
    static std::deque<PendingBox> boxes;
    return boxes;
}

bool &showingBoxes()
{
    static bool showing = false;
    return showing;
}

/// Runs one box; the button it was answered with, or NoButton when its window went meanwhile.
QMessageBox::StandardButton runBox(const PendingBox &pending)
{
    QPointer<QMessageBox> box = new QMessageBox(
        pending.icon, pending.title, pending.text, pending.buttons, pending.parent);
    if (pending.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(pending.defaultButton);
    if (pending.buttons & QMessageBox::No)
        box->setEscapeButton(QMessageBox::No);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box; // gone already when its window was destroyed while it was open
    return pending.hasParent && !pending.parent ? QMessageBox::NoButton : answer;
}

void showPendingBoxes()
{
    // A box's own event loop may let another action queue a box: it waits for its turn here.
    showingBoxes() = true;
    while (!pendingBoxes().empty()) {
        const PendingBox pending = std::move(pendingBoxes().front());
        pendingBoxes().pop_front();
        if (pending.hasParent && !pending.parent)
            continue;
        const QMessageBox::StandardButton answer = runBox(pending);
        if (answer != QMessageBox::NoButton && pending.onAnswer)
            pending.onAnswer(answer);
    }
    showingBoxes() = false;
}

void queueBox(PendingBox pending)
{
    pendingBoxes().push_back(std::move(pending));
    if (!showingBoxes() && pendingBoxes().size() == 1)
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), showPendingBoxes, Qt::QueuedConnection);
}

} // namespace

void showWarning(QWidget *parent, const QString &title, const QString &text)
{
    queueBox({ parent, parent != nullptr, QMessageBox::Warning, title, text, QMessageBox::Ok,
        QMessageBox::NoButton, {} });
}

void askYesNo(
    QWidget *parent, const QString &title, const QString &text, std::function<void()> onYes)
{
    queueBox({ parent, parent != nullptr, QMessageBox::NoIcon, title, text,
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
        [onYes = std::move(onYes)](QMessageBox::StandardButton answer) {
            if (answer == QMessageBox::Yes && onYes)
                onYes();
        } });
}

void askChoice(QWidget *parent, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
    std::function<void(QMessageBox::StandardButton)> onAnswer)
{
    queueBox({ parent, parent != nullptr, QMessageBox::Question, title, text, buttons,
        defaultButton, std::move(onAnswer) });
}

} // namespace kalvora::ui
