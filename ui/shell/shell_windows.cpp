#include "shell_windows.h"

#include "form0.h"
#include "form_velsa.h"
#include "help_viewer.h"
#include "windows.h"

namespace kalvora::ui {

void registerShellWindows(AppState &state, Windows &windows)
{
    windows.registerFactory(WindowId::FormVelsa, [&windows] { return new FormVelsa(windows); });
    windows.registerFactory(
        WindowId::Form0, [&state, &windows] { return new Form0(state, windows); });
    windows.registerFactory(
        WindowId::Form8, [&state, &windows] { return new Form8(state, windows); });
}

} // namespace kalvora::ui
