#pragma once
// The wind chill view's texts in both languages.

#include "model/presentation/scale_positions.h"
#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class WciText {
    Title, ///< window title, the same in both languages
    Label1, ///< heading
    Label2, ///< caption of `CalculoWCI`
    Label3, ///< caption of `Calculotch`
    TitGRAF, ///< heading of the category scale
    IndexPrefix, ///< start of the `CalculoWCI` line
    IndexUnit, ///< end of the `CalculoWCI` line
    ChillPrefix, ///< start of the `Calculotch` line
    ChillUnit, ///< end of the `Calculotch` line
    Table, ///< what the equivalence table shows, for screen readers
};

Caption wciCaption(WciText text);

/// A cold-sensation category: the name of its area and its lines (one, or two for the
/// freezing categories `cong(0..2)`).
struct ColdCategoryText
{
    const char *name;
    Caption first;
    Caption second; ///< empty in both languages for a one-line category
};
const ColdCategoryText &coldCategoryText(model::ColdCategory category);

} // namespace kalvora::ui
