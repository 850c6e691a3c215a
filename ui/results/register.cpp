#include "register.h"

#include "hsi_view.h"
#include "hub.h"
#include "ireq_view.h"
#include "pmv_view.h"
#include "report_window.h"
#include "summary.h"
#include "sweat_view.h"
#include "sweep_window.h"
#include "ui/shell/windows.h"
#include "wbgt_view.h"
#include "wci_view.h"

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

namespace {

template <class View> void registerView(AppState &state, Windows &windows, WindowId id)
{
    windows.registerFactory(id, [&state, &windows] { return new View(state, windows); });
}

} // namespace

void registerMethodViews(AppState &state, Windows &windows)
{
    registerView<Form3>(state, windows, WindowId::Form3);
    registerView<Form4>(state, windows, WindowId::Form4);
    registerView<Form5>(state, windows, WindowId::Form5);
    registerView<Form6>(state, windows, WindowId::Form6);
    registerView<Form7>(state, windows, WindowId::Form7);
    registerView<FormIREQ>(state, windows, WindowId::FormIREQ);
}

} // namespace kalvora::ui
