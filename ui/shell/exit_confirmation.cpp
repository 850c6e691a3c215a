#include "exit_confirmation.h"

#include "app_state.h"
#include "caption.h"
#include "messages.h"
#include "windows.h"

#include <optional>

namespace kalvora::ui {

namespace {

constexpr Caption kTitle { "Salir del programa", "Salir del programa" };
constexpr Caption kQuestion { "¿Está seguro de que desea salir del programa?",
    "Do you really want to exit?" };

/// The window that asks, by its exit level; levels 0 to 2 are the start screen, the input
/// form and the hub, which the chain closes anyway.
std::optional<WindowId> callerOf(int exitLevel)
{
    switch (exitLevel) {
    case 0:
        return WindowId::Form0;
    case 1:
        return WindowId::Form1;
    case 2:
        return WindowId::Form2;
    case 3:
        return WindowId::Form3;
    case 4:
        return WindowId::Form4;
    case 5:
        return WindowId::Form5;
    case 6:
        return WindowId::Form6;
    case 7:
        return WindowId::Form7;
    case 10:
        return WindowId::Form10;
    case 11:
        return WindowId::Form11;
    case 12:
        return WindowId::FormIREQ;
    case 14:
        return WindowId::Form14;
    default:
        return std::nullopt;
    }
}

} // namespace

void ConfirmExit(const AppState &state, Windows &windows, int exitLevel, int summaryOpen)
{
    const std::optional<WindowId> caller = callerOf(exitLevel);
    QWidget *asking = caller ? windows.window(*caller) : nullptr;
    if (!askYesNo(asking, pick(kTitle, state.language()), pick(kQuestion, state.language())))
        return;

    windows.close(WindowId::Form0);
    if (exitLevel >= 1)
        windows.close(WindowId::Form1);
    if (exitLevel >= 2) {
        windows.close(WindowId::Form2);
        if (summaryOpen == 1)
            windows.close(WindowId::Form10);
        if (caller)
            windows.close(*caller);
    }
}

} // namespace kalvora::ui
