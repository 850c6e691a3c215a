#pragma once
// Window semantics shared by every window: shown without owner and without waiting; opening a
// window that is open brings it to the front; closing hides it and then destroys it. The
// registry knows how to build each window and which ones are open. A window's factory only builds
// it; what its load does (evaluate, show messages) runs after the registry has recorded it (see
// loads_on_open.h).

#include "window_id.h"

#include <QObject>
#include <QWidget>
#include <functional>
#include <map>

namespace kalvora::ui {

class Windows : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;

    explicit Windows(QObject *parent = nullptr);
    /// Destroys the windows still open (the hidden start screen at least).
    ~Windows() override;

    /// How to build a window; a window without a factory cannot be opened yet.
    void registerFactory(WindowId id, Factory factory);
    bool canOpen(WindowId id) const;

    /// Builds the window, records it as open, runs its load (when it is a LoadsOnOpen) and shows
    /// it; or brings the open one to the front without loading it again. Returns it (null when no
    /// factory is registered, or when its load closed it).
    QWidget *open(WindowId id);
    /// Hides, then destroys the window; nothing when it is not open.
    void close(WindowId id);
    /// Hides without destroying (the start screen, which keeps the language for the run).
    void hide(WindowId id);

    bool isOpen(WindowId id) const;
    QWidget *window(WindowId id) const;

signals:
    void opened(WindowId id);
    void closed(WindowId id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void forget(const QObject *window);

    std::map<WindowId, Factory> m_factories;
    // Windows that are open (shown or hidden) and not yet closed; an entry leaves the map when
    // the window is closed through here or destroyed by any other road (its own close box).
    std::map<WindowId, QWidget *> m_open;
};

} // namespace kalvora::ui
