#include "windows.h"

#include "loads_on_open.h"

#include <QEvent>
#include <QPointer>
#include <algorithm>

namespace kalvora::ui {

Windows::Windows(QObject *parent)
    : QObject(parent)
{
}

Windows::~Windows()
{
    for (const auto &[id, open] : m_open) {
        disconnect(open, nullptr, this, nullptr);
        delete open;
    }
}

void Windows::registerFactory(WindowId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

bool Windows::canOpen(WindowId id) const
{
    return m_factories.contains(id);
}

QWidget *Windows::open(WindowId id)
{
    if (QWidget *existing = window(id)) {
        existing->show();
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end())
        return nullptr;

    QWidget *created = factory->second();
    if (!created)
        return nullptr;
    // Top-level, no owner, not modal; deleted when closed, so the application's
    // quit-on-last-window rule sees the close.
    created->setParent(nullptr, created->windowFlags() | Qt::Window);
    created->setWindowModality(Qt::NonModal);
    created->setAttribute(Qt::WA_DeleteOnClose);
    m_open[id] = created;
    created->installEventFilter(this);
    connect(created, &QObject::destroyed, this, &Windows::forget);
    emit opened(id);

    if (auto *loads = dynamic_cast<LoadsOnOpen *>(created)) {
        const QPointer<QWidget> guard(created);
        loads->load();
        // The load may have closed its own window (through the registry or an exit question).
        if (!guard || window(id) != created)
            return nullptr;
    }
    created->show();
    created->raise();
    created->activateWindow();
    return created;
}

void Windows::close(WindowId id)
{
    const auto entry = m_open.find(id);
    if (entry == m_open.end())
        return;
    QWidget *closing = entry->second;
    m_open.erase(entry);
    // Hides, then deletes (WA_DeleteOnClose); ends the program when it was the last visible one.
    closing->close();
    emit closed(id);
}

void Windows::hide(WindowId id)
{
    if (QWidget *open = window(id))
        open->hide();
}

bool Windows::isOpen(WindowId id) const
{
    return window(id) != nullptr;
}

QWidget *Windows::window(WindowId id) const
{
    const auto entry = m_open.find(id);
    return entry == m_open.end() ? nullptr : entry->second;
}

bool Windows::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager's close box closes that window alone, and from here on it is closed
    // even though its deletion is still pending. (A close that is refused, the input form's while
    // the survey holds unsaved changes, is taken by a filter installed later, before this one.)
    if (event->type() == QEvent::Close)
        forget(watched);
    return QObject::eventFilter(watched, event);
}

void Windows::forget(const QObject *window)
{
    // A window closed through close() has left the map already.
    const auto entry = std::find_if(
        m_open.begin(), m_open.end(), [window](const auto &open) { return open.second == window; });
    if (entry == m_open.end())
        return;
    const WindowId id = entry->first;
    m_open.erase(entry);
    emit closed(id);
}

} // namespace kalvora::ui
