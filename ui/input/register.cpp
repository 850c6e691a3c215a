#include "register.h"

#include "clothing_selector.h"
#include "input_form.h"
#include "ranges_view.h"
#include "ui/shell/windows.h"

namespace kalvora::ui {

void registerInputForm(AppState &state, Windows &windows)
{
    windows.registerFactory(
        WindowId::InputForm, [&state, &windows] { return new InputForm(state, windows); });
    windows.registerFactory(
        WindowId::RangesView, [&state, &windows] { return new RangesView(state, windows); });
    windows.registerFactory(WindowId::ClothingSelector,
        [&state, &windows] { return new ClothingSelector(state, windows); });
}

} // namespace kalvora::ui
