#include "register.h"

#include "hub.h"
#include "summary.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

void registerHub(AppState &state, Windows &windows)
{
    windows.registerFactory(
        WindowId::Form2, [&state, &windows] { return new Form2(state, windows); });
    windows.registerFactory(
        WindowId::Form10, [&state, &windows] { return new Form10(state, windows); });
}

} // namespace kalvora::ui
