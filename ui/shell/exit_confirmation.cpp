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
    { WindowId::StartScreen, 0, false },
    { WindowId::InputForm, 1, false },
    { WindowId::Hub, 2, false },
    { WindowId::WbgtView, 3, true },
    { WindowId::PmvView, 4, true },
    { WindowId::WindChillView, 5, true },
    { WindowId::HsiView, 6, true },
    { WindowId::SweatRateView, 7, true },
    { WindowId::ResultsSummary, 10, false },
    { WindowId::SweepWindow, 11, false },
    { WindowId::IreqView, 12, true },
    { WindowId::ParametersReport, 14, false },
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

void ConfirmExit(const AppState &state, Windows &windows, WindowId caller)
{
    const Caller *entry = callerOf(caller);
    if (!entry)
        return;
    const int level = entry->exitLevel;
    // The flag is read when the user asks, not when the question is answered.
    const int summaryOpen = entry->handsOnSummaryFlag ? state.cont() : 0;
    const auto closeChain = [&windows, caller, level, summaryOpen] {
        windows.close(WindowId::StartScreen);
        if (level >= 1)
            windows.close(WindowId::InputForm);
        if (level >= 2) {
            windows.close(WindowId::Hub);
            if (summaryOpen == 1)
                windows.close(WindowId::ResultsSummary);
            windows.close(caller);
        }
    };
    askYesNo(windows.window(caller), pick(kTitle, state.language()),
        pick(kQuestion, state.language()), [&state, &windows, caller, closeChain] {
            // Work that would be lost with the run is settled first; it may keep the program.
            state.beforeLeaving(windows.window(caller), closeChain);
        });
}

} // namespace kalvora::ui
