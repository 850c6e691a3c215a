#include "exit_confirmation.h"

#include "app_state.h"
#include "caption.h"
#include "messages.h"
#include "windows.h"

#include <algorithm>
#include <iterator>

namespace kalvora::ui {

namespace {

constexpr Caption kTitle { "Salir del programa", "Salir del programa" };
constexpr Caption kQuestion { "¿Está seguro de que desea salir del programa?",
    "Do you really want to exit?" };

struct Caller
{
    WindowId window;
    int exitLevel;
    bool handsOnSummaryFlag;
};

// The callers of the exit question and their levels.
constexpr Caller kCallers[] = {
    { WindowId::Form0, 0, false },
    { WindowId::Form1, 1, false },
    { WindowId::Form2, 2, false },
    { WindowId::Form3, 3, true },
    { WindowId::Form4, 4, true },
    { WindowId::Form5, 5, true },
    { WindowId::Form6, 6, true },
    { WindowId::Form7, 7, true },
    { WindowId::Form10, 10, false },
    { WindowId::Form11, 11, false },
    { WindowId::FormIREQ, 12, true },
    { WindowId::Form14, 14, false },
};

const Caller *callerOf(WindowId window)
{
    const auto *found = std::find_if(std::begin(kCallers), std::end(kCallers),
        [window](const Caller &caller) { return caller.window == window; });
    return found == std::end(kCallers) ? nullptr : found;
}

} // namespace

std::optional<int> exitLevel(WindowId caller)
{
    const Caller *entry = callerOf(caller);
    return entry ? std::optional<int>(entry->exitLevel) : std::nullopt;
}

bool handsOnSummaryFlag(WindowId caller)
{
    const Caller *entry = callerOf(caller);
    return entry && entry->handsOnSummaryFlag;
}

void ConfirmExit(const AppState &state, Windows &windows, WindowId caller)
{
    const Caller *entry = callerOf(caller);
    if (!entry)
        return;
    const int level = entry->exitLevel;
    const int summaryOpen = entry->handsOnSummaryFlag ? state.cont() : 0;
    if (!askYesNo(windows.window(caller), pick(kTitle, state.language()),
            pick(kQuestion, state.language())))
        return;

    windows.close(WindowId::Form0);
    if (level >= 1)
        windows.close(WindowId::Form1);
    if (level >= 2) {
        windows.close(WindowId::Form2);
        if (summaryOpen == 1)
            windows.close(WindowId::Form10);
        windows.close(caller);
    }
}

} // namespace kalvora::ui
