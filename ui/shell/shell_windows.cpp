#include "shell_windows.h"

#include "credits_splash.h"
#include "help_viewer.h"
#include "start_screen.h"
#include "windows.h"

namespace kalvora::ui {

void registerShellWindows(AppState &state, Windows &windows)
{
    windows.registerFactory(
        WindowId::CreditsSplash, [&windows] { return new CreditsSplash(windows); });
    windows.registerFactory(
        WindowId::StartScreen, [&state, &windows] { return new StartScreen(state, windows); });
    windows.registerFactory(
        WindowId::HelpViewer, [&state, &windows] { return new HelpViewer(state, windows); });
}

} // namespace kalvora::ui
