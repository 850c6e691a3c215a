#include "program.h"

#include "shell_windows.h"
#include "ui/input/register.h"
#include "ui/results/register.h"
#include "windows.h"

namespace kalvora::ui {

void registerProgramWindows(AppState &state, Windows &windows)
{
    registerShellWindows(state, windows);
    registerInputForm(state, windows);
    registerHub(state, windows);
}

void startProgram(Windows &windows)
{
    windows.open(WindowId::FormVelsa);
}

} // namespace kalvora::ui
