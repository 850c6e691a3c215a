#include "register.h"

#include "clothing_selector.h"
#include "input_form.h"
#include "ranges_view.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

void registerInputForm(AppState &state, Windows &windows)
{
    windows.registerFactory(
        WindowId::Form1, [&state, &windows] { return new Form1(state, windows); });
    windows.registerFactory(
        WindowId::Form12, [&state, &windows] { return new Form12(state, windows); });
    windows.registerFactory(
        WindowId::Form13, [&state, &windows] { return new Form13(state, windows); });
}

} // namespace kalvora::ui
