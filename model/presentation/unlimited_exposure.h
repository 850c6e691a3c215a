#pragma once
// The words written in place of an exposure time when the exposure is not limited, one table for
// every window; plain C++, so the command line can read it too. The texts differ between windows
// (gender of the Spanish noun, abbreviations that fit narrow cells, one English misspelling that is
// the program's own).

#include "model/caption.h"
#include "result_catalogue.h"

namespace kalvora::model {

enum class UnlimitedExposure {
    SummaryHsi, ///< results summary, heat stress index: allowable exposure time TEP
    SummarySweat, ///< results summary, required sweat rate: DLE
    HsiView, ///< heat stress index view, `ITEP`: Spanish in both languages
    SweatViewAlarmNonAcclimatized, ///< required sweat rate view, `pDLEnaa`
    SweatView, ///< required sweat rate view, the other three DLE areas
    IreqView, ///< IREQ view, `PDLEmin` and `PDLEneut`: the same in both languages
    Sweep, ///< air-velocity sweep table cells
    ReportSweat, ///< parameters report, `SWp(13)`: Spanish in both languages
};

constexpr Caption unlimitedExposure(UnlimitedExposure where)
{
    switch (where) {
    case UnlimitedExposure::SummaryHsi:
        return { "Ilimitado", "Unlimited" };
    case UnlimitedExposure::SummarySweat:
        return { "Ilimitada", "Unlimited" };
    case UnlimitedExposure::HsiView:
        return { "Ilimitado", "Ilimitado" };
    case UnlimitedExposure::SweatViewAlarmNonAcclimatized:
        return { "Ilimitado", "Ulimited" };
    case UnlimitedExposure::SweatView:
        return { "Ilimitado", "Unlimited" };
    case UnlimitedExposure::IreqView:
        return { "Ilimit.", "Ilimit." };
    case UnlimitedExposure::Sweep:
        return { "Ilim.", "Unlim." };
    case UnlimitedExposure::ReportSweat:
        return { "Ilimitada", "Ilimitada" };
    }
    return { "", "" };
}

/// Where the results summary, or a line of text like it, shows a key's marker: the heat stress
/// index's allowable time is masculine in Spanish (el tiempo), every other exposure feminine (la
/// exposición).
constexpr UnlimitedExposure summaryUnlimited(ExposureMarker marker)
{
    return marker == ExposureMarker::HeatStress ? UnlimitedExposure::SummaryHsi
                                                : UnlimitedExposure::SummarySweat;
}

} // namespace kalvora::model
