#pragma once
// What each cell of the sweep table says, apart from the locale's digits: a number with its
// display pattern, or a fixed text (the dash of a method that takes no part, the unlimited
// exposure, the balance verdict). The window and any other front end read the cells from here.

#include "model/caption.h"
#include "model/sweep.h"

#include <string>

namespace kalvora::model {

/// The table's columns, left to right.
enum class SweepColumn {
    pv, ///< air velocity, m/s
    PIVM,
    PPPI, ///< PMV, PPD %
    PISC,
    PTEP, ///< HSI %, allowable exposure min
    Pwp,
    PSWp,
    PDLE, ///< wettedness, sweat rate W/m², exposure min (alarm, non-acclimatized)
    peq,
    PAc, ///< heat balance after the sweat-rate method, heat storage W/m²
    PWCI,
    Ptch, ///< wind chill W/m², chilling temperature °C
    PWBGT, ///< °C
    Imin,
    Ineut, ///< IREQmin, IREQneut clo
};
inline constexpr int kSweepColumnCount = 15;

/// The control-array name of a column (`pv`, `PIVM`, …).
const char *sweepColumnName(SweepColumn column);

enum class CellPattern {
    Text, ///< the cell's text as it stands
    General, ///< shortest general form (0.05, 0.1, 2.5)
    Grouped2, ///< "#,##0.00"
    Grouped1, ///< "#,##0.0"
    Plain1, ///< "###0.0"
};

struct SweepCell
{
    CellPattern pattern = CellPattern::Text;
    double value = 0; ///< the number, unless pattern is Text
    std::string text; ///< the text, when pattern is Text
};

/// The cell of shown row `row` (0 … 15) in `column`. A method that takes no part gives its dash
/// (nothing for the IREQ cells); a method the sweep did not reach because of a fault gives an
/// empty cell.
SweepCell sweepCell(const Sweep &sweep, int row, SweepColumn column, Language language);

} // namespace kalvora::model
