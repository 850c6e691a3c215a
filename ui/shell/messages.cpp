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
    std::function<void()> onYes;
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

/// Runs one box; true when it was answered "yes" and its window is still there.
bool runBox(const PendingBox &pending)
{
    QPointer<QMessageBox> box = new QMessageBox(
        pending.icon, pending.title, pending.text, pending.buttons, pending.parent);
    if (pending.buttons & QMessageBox::Yes) {
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    }
    const int answer = box->exec();
    delete box; // gone already when its window was destroyed while it was open
    return answer == QMessageBox::Yes && (!pending.hasParent || pending.parent);
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
        if (runBox(pending) && pending.onYes)
            pending.onYes();
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
    queueBox({ parent, parent != nullptr, QMessageBox::Warning, title, text, QMessageBox::Ok, {} });
}

void askYesNo(
    QWidget *parent, const QString &title, const QString &text, std::function<void()> onYes)
{
    queueBox({ parent, parent != nullptr, QMessageBox::NoIcon, title, text,
        QMessageBox::Yes | QMessageBox::No, std::move(onYes) });
}

} // namespace kalvora::ui
