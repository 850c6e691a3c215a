#include "register.h"

#include "hub.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

void registerHub(AppState &state, Windows &windows)
{
    windows.registerFactory(
        WindowId::Form2, [&state, &windows] { return new Form2(state, windows); });
}

} // namespace kalvora::ui
