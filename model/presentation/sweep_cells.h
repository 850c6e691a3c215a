#pragma once
// The sweep's quantities in one table for both front ends: the command line's key of each, the
// window's column that shows it, the method it belongs to, how a row gives its value, the
// window's display pattern and dash, and whether it may stand for an unlimited exposure. What
// each cell of the window says, apart from the locale's digits, follows from it.

#include "model/caption.h"
#include "model/sweep.h"
#include "number_pattern.h"
#include "result_catalogue.h"

#include <optional>
#include <span>
#include <string>

namespace kalvora::model {

/// The window's columns, left to right.
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

/// What a row's value is.
enum class SweepValue {
    Velocity, ///< a swept velocity, exact
    Quantity, ///< a computed quantity
    Rating, ///< a rating, or the row code
    Balance, ///< the verdict on the heat storage, in words
};

struct SweepQuantity
{
    const char *key; ///< the command line's key; nullptr for what only the window shows
    std::optional<SweepColumn> column; ///< the window's column; empty where it shows none
    const char *cells; ///< the control-array name of the window's cells
    std::optional<Method> method; ///< empty for the velocities and the row code
    SweepValue kind;
    std::optional<double> (*read)(const SweepRow &);
    NumberPattern pattern; ///< in the window
    const char *dash; ///< the window's text while the method takes no part, blanks included
    ExposureMarker marker = ExposureMarker::None;
};

/// Every quantity, in the command line's order: the velocities, then each method's values and
/// rating in flag order, the row code last.
std::span<const SweepQuantity> sweepQuantities();

/// The quantity a window column shows.
const SweepQuantity &sweepColumnQuantity(SweepColumn column);

/// Whether the row's value stands for an unlimited exposure rather than for a time.
bool sweepExposureUnlimited(const SweepQuantity &quantity, const SweepRow &row);

/// The sweep after an evaluation that a fault stopped: none is computed (a sweep follows a
/// complete evaluation only, in the window as on the command line, since it reads the
/// evaluation's shared values); the rows give their velocities and every method that takes part
/// is left empty.
Sweep sweepNotComputed(const InputParameters &input, const EvaluationFault &stoppedBy);

/// A cell of the window: a number with its display pattern, or a fixed text (the dash of a
/// method that takes no part, the unlimited exposure, the balance verdict).
struct SweepCell
{
    std::optional<NumberPattern> pattern; ///< empty for a text
    double value = 0; ///< the number, when there is a pattern
    std::string text; ///< the text, when there is none
};

/// The cell of shown row `row` (0 … 15) in `column`. A method that takes no part gives its dash
/// (nothing for the IREQ cells); a method the sweep did not reach because of a fault gives an
/// empty cell.
SweepCell sweepCell(const Sweep &sweep, int row, SweepColumn column, Language language);

} // namespace kalvora::model
