#include "program.h"

#include "ui/input/register.h"
#include "ui/results/register.h"
#include "ui/shell/shell_windows.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

void registerProgramWindows(AppState &state, Windows &windows)
{
    registerShellWindows(state, windows);
    registerInputForm(state, windows);
    registerHub(state, windows);
    registerMethodViews(state, windows);
}

void startProgram(Windows &windows)
{
    windows.open(WindowId::CreditsSplash);
}

} // namespace kalvora::ui
