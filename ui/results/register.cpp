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
    windows.registerFactory(WindowId::Hub, [&state, &windows] { return new Hub(state, windows); });
    windows.registerFactory(WindowId::ResultsSummary,
        [&state, &windows] { return new ResultsSummary(state, windows); });
    windows.registerFactory(
        WindowId::SweepWindow, [&state, &windows] { return new SweepWindow(state, windows); });
    windows.registerFactory(WindowId::ParametersReport,
        [&state, &windows] { return new ParametersReport(state, windows); });
}

namespace {

template <class View> void registerView(AppState &state, Windows &windows, WindowId id)
{
    windows.registerFactory(id, [&state, &windows] { return new View(state, windows); });
}

} // namespace

void registerMethodViews(AppState &state, Windows &windows)
{
    registerView<WbgtView>(state, windows, WindowId::WbgtView);
    registerView<PmvView>(state, windows, WindowId::PmvView);
    registerView<WindChillView>(state, windows, WindowId::WindChillView);
    registerView<HsiView>(state, windows, WindowId::HsiView);
    registerView<SweatRateView>(state, windows, WindowId::SweatRateView);
    registerView<IreqView>(state, windows, WindowId::IreqView);
}

} // namespace kalvora::ui
