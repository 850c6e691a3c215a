#pragma once
// The WBGT view's texts in both languages.

#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class WbgtText {
    Title, ///< window title, the same in both languages
    Label1, ///< heading
    Label2, ///< caption of `indice`
    Label3, ///< caption of `M`
    Label4, ///< heading of the chart, Spanish in both languages
    IndexPrefix, ///< start of the `indice` line
    IndexUnit, ///< end of the `indice` line
    MetabolicPrefix, ///< start of the `M` line
    MetabolicUnit, ///< end of the `M` line
    Chart, ///< what the chart shows, for screen readers
};

Caption wbgtCaption(WbgtText text);

} // namespace kalvora::ui
