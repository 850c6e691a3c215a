#pragma once
// The result view of each method, opened from the hub's method buttons and the summary's lights.

#include "model/input_parameters.h"
#include "ui/shell/window_id.h"

namespace kalvora::ui {

constexpr WindowId methodView(model::Method method)
{
    switch (method) {
    case model::Method::Pmv:
        return WindowId::Form4;
    case model::Method::Hsi:
        return WindowId::Form6;
    case model::Method::Wbgt:
        return WindowId::Form3;
    case model::Method::SwReq:
        return WindowId::Form7;
    case model::Method::Wci:
        return WindowId::Form5;
    case model::Method::Ireq:
        return WindowId::FormIREQ;
    }
    return WindowId::Form4;
}

} // namespace kalvora::ui
