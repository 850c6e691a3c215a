#pragma once
// The result view of each method, opened from the hub's method buttons and the summary's lights.

#include "model/input_parameters.h"
#include "ui/shell/window_id.h"

namespace kalvora::ui {

constexpr WindowId methodView(model::Method method)
{
    switch (method) {
    case model::Method::Pmv:
        return WindowId::PmvView;
    case model::Method::Hsi:
        return WindowId::HsiView;
    case model::Method::Wbgt:
        return WindowId::WbgtView;
    case model::Method::SwReq:
        return WindowId::SweatRateView;
    case model::Method::Wci:
        return WindowId::WindChillView;
    case model::Method::Ireq:
        return WindowId::IreqView;
    }
    return WindowId::PmvView;
}

} // namespace kalvora::ui
