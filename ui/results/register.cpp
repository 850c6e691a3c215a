#include "register.h"

#include "hub.h"
#include "summary.h"
#include "report_window.h"
#include "sweep_window.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

void registerHub(AppState &state, Windows &windows)
{
    windows.registerFactory(
        WindowId::Form2, [&state, &windows] { return new Form2(state, windows); });
    windows.registerFactory(
        WindowId::Form10, [&state, &windows] { return new Form10(state, windows); });
    windows.registerFactory(
        WindowId::Form11, [&state, &windows] { return new Form11(state, windows); });
    windows.registerFactory(
        WindowId::Form14, [&state, &windows] { return new Form14(state, windows); });
}

} // namespace kalvora::ui
