// The desktop program: the credits splash first, then whatever the user opens; the program ends
// when its last visible window closes. `kalvora FILE` opens a survey file once the input form is
// shown.

#include "app/command_line.h"
#include "app/program.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    kalvora::app::describeProgram();
    if (kalvora::app::asksOnlyForText(argc, argv)) {
        // Answers and ends the program: no window system is needed for that.
        QCoreApplication terminal(argc, argv);
        kalvora::app::processCommandLine(terminal);
    }
    QApplication application(argc, argv);
    const QString surveyFile = kalvora::app::processCommandLine(application);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kalvora.svg")));
    QApplication::setQuitOnLastWindowClosed(true);

    kalvora::ui::AppState state;
    kalvora::ui::Windows windows;
    kalvora::ui::registerProgramWindows(state, windows);
    kalvora::ui::startProgram(windows, surveyFile);

    const int status = QApplication::exec();
    // Windows closed just before the end are still waiting for their deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
