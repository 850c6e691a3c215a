// The desktop program: the credits splash first, then whatever the user opens; the program ends
// when its last visible window closes.

#include "app/program.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvora"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    QApplication::setQuitOnLastWindowClosed(true);

    kalvora::ui::AppState state;
    kalvora::ui::Windows windows;
    kalvora::ui::registerProgramWindows(state, windows);
    kalvora::ui::startProgram(windows);

    const int status = QApplication::exec();
    // Windows closed just before the end are still waiting for their deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
