#include "program.h"

#include "ui/input/register.h"
#include "ui/results/register.h"
#include "ui/shell/shell_windows.h"
#include "ui/shell/windows.h"
#include "ui/survey/register.h"

namespace kalvora::ui {

void registerProgramWindows(AppState &state, Windows &windows)
{
    registerShellWindows(state, windows);
    registerInputForm(state, windows);
    registerHub(state, windows);
    registerMethodViews(state, windows);
    registerSurveyWindows(state, windows);
}

void startProgram(Windows &windows, const QString &surveyFile)
{
    if (!surveyFile.isEmpty())
        if (auto *survey = windows.findChild<SurveyDesk *>())
            survey->openWhenFormOpens(surveyFile);
    windows.open(WindowId::CreditsSplash);
}

} // namespace kalvora::ui
