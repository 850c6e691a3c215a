#pragma once
// The HSI view's texts in both languages.

#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class HsiText {
    Title, ///< window title
    TISC, ///< heading; also written into the scale heading `TitISC`
    T2ISC, ///< caption of the index
    Label5, ///< beside `IISC`, the same in both languages
    TTEP, ///< caption of the exposure time
    Label6, ///< beside `ITEP`, the same in both languages
    IndexUnit, ///< end of the `IISC` line
    TimeUnit, ///< end of the `ITEP` line
};

Caption hsiCaption(HsiText text);

/// The strain categories beside the scale, from the top: the area's name, its texts and the
/// top of the area in twips.
struct StrainCategory
{
    const char *name;
    Caption caption;
    double top;
};
inline constexpr StrainCategory kStrainCategories[] = {
    { "criticas", { "CONDICIONES CRITICAS", "CRITICAL CONDITIONS" }, 2760 },
    { "maximo", { "MAXIMO PERMISIBLE", "MAXIMAL PERMISIBLE LEVEL" }, 3060 },
    { "msevera", { "MUY SEVERA", "VERY HARD" }, 3640 },
    { "severa", { "SEVERA", "HARD" }, 4480 },
    { "moderada", { "MODERADA", "MODERATE" }, 5060 },
    { "suave", { "SUAVE", "SLIGHT" }, 5620 },
    { "confort", { "CONFORT TERMICO", "THERMAL COMFORT" }, 5900 },
    { "frio", { "SUAVE TENSION POR FRIO", "SLIGHT COLD STRAIN" }, 6460 },
};

} // namespace kalvora::ui
