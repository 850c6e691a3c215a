#pragma once
// Notes when a top-level window first paints: the moment the user sees it. Installed on the
// application, it watches the paint events of every widget and waits for one inside the window
// whose object name it is given.

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdint>

namespace kalvora::bench {

/// Nanoseconds on the monotonic clock, the same count in every process of the machine.
inline std::int64_t monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QString windowName)
        : m_windowName(std::move(windowName))
    {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }

    /// Runs the event loop until the window has painted (or five seconds have passed); returns
    /// whether it did.
    bool wait()
    {
        const std::int64_t giveUp = monotonicNanoseconds() + 5'000'000'000;
        while (!m_painted && monotonicNanoseconds() < giveUp)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        return m_painted;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window()->objectName() == m_windowName)
            m_painted = true;
        return false;
    }

private:
    QString m_windowName;
    bool m_painted = false;
};

} // namespace kalvora::bench
