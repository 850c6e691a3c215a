#pragma once
// Drives the input form and the hub as a user does: clicks on controls found by name and typing
// into boxes.

#include "model/language.h"
#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"

#include <QStringList>
#include <QTest>

namespace kalvora::ui::test {

/// The input form over a fresh application state, opened through the registry with the hub
/// registered as the program does.
class FormDriver
{
public:
    explicit FormDriver(model::Language language);
    ~FormDriver();

    AppState state;
    Windows windows;

    QWidget *form() const { return windows.window(WindowId::InputForm); }
    QWidget *hub() const { return windows.window(WindowId::Hub); }

    /// Each action is the name of a control of the input form to click, or "name=text" to
    /// replace the text of a box by typing.
    void perform(const QStringList &actions);
    void click(QWidget *window, const QString &name);
    void type(const QString &box, const QString &text);
    /// Clicks the load button.
    void load();
    /// Lets the windows closed so far be destroyed.
    static void settle();
};

/// A control of a window by name; the test fails loudly when it does not exist.
template <class T = QWidget> T *control(QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

/// Names the table row being checked when a comparison in it fails (and so returns).
struct RowGuard
{
    const char *what;
    ~RowGuard()
    {
        if (QTest::currentTestFailed())
            qWarning("failing row: %s", what);
    }
};

} // namespace kalvora::ui::test
