#pragma once
// The required-sweat-rate view's texts in both languages.

#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class SweatText {
    Title, ///< window title, the same in both languages
    ISWreq, ///< heading
    noaclim, ///< heading of the non-acclimatized block
    aclim, ///< heading of the acclimatized block
};

Caption sweatCaption(SweatText text);

/// A caption of both blocks (a two-element control array `name(0..1)`): the row labels and the
/// two criterion headings.
struct BlockLabel
{
    const char *name;
    Caption caption;
};
/// The five row labels, top to bottom: wp, Ep, SWp, D, DLE.
inline constexpr BlockLabel kSweatRows[] = {
    { "humedad", { "Humedad prevista de la piel (wp):", "Required skin wettedness (wp):" } },
    { "Tasaev", { "Tasa de evaporación (Ep, en W/m²):", "Evaporation rate (Ep, W/m²):" } },
    { "Tasasud", { "Tasa de sudoración (SWp, en W/m²):", "Sweat rate (SWp, W/m²):" } },
    { "Cantsud", { "Cantidad de sudoración prevista (D, en g/h):", "Water loss (D, g/h):" } },
    { "DLE",
        { "Duración límite de la exposición (DLE, en min):",
            "Allowable exposure time (DLE, min):" } },
};
/// The two criterion headings of a block: alarm, then danger.
inline constexpr BlockLabel kSweatCriterionHeadings[] = {
    { "alarma", { "CRITERIO DE ALARMA:", "ALARM CRITERION" } },
    { "peligro", { "CRITERIO DE PELIGRO:", "DANGER CRITERION" } },
};

} // namespace kalvora::ui
