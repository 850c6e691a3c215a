#pragma once
// The parameters report's texts and rows: block headings, the rows of the common parameters and
// of the four method blocks with their captions, unit labels and the result key each shows (its
// value, display pattern and whether it is of the last evaluation come from the result
// catalogue).

#include "model/input_parameters.h"
#include "model/presentation/number_pattern.h"
#include "ui/shell/caption.h"

#include <optional>
#include <span>

namespace kalvora::ui {

enum class ReportText {
    Title,
    Label1, ///< heading of the input parameters
    Label18, ///< heading of the common parameters
    Label10, ///< the radiation row while the globe temperature is given
    Label10MeanRadiant, ///< the radiation row while the mean radiant temperature is given
    InBalance, ///< a balance row when the heat storage is practically zero
    NotInBalance,
};

Caption reportCaption(ReportText text);

/// Caption of the humidity row while the humidity group takes part, by the humidity option.
Caption humidityRowCaption(int option);

/// How a row shows its key.
enum class RowKind {
    Value, ///< the number in the key's display pattern
    Balance, ///< "SI" or "NO": whether the heat storage is practically zero
    Exposure, ///< "Ilimitada" for the mark −1 itself, the time otherwise
    EvaporationRate, ///< wp·Emax of the alarm criterion for non-acclimatized subjects
    Heading, ///< a sub-heading: no value
};

/// One row: caption label, value area and unit label, by their indexes in the block's arrays
/// (-1: none).
struct ReportRow
{
    int label;
    int area;
    int unit;
    Caption caption;
    const char *unitText;
    RowKind kind;
    const char *key; ///< the result key; none for a heading and the evaporation rate
};

/// A method block: its heading, its label and value-area arrays and its rows.
struct ReportBlock
{
    model::Method method;
    const char *heading;
    Caption headingCaption;
    const char *labels;
    const char *areas;
    int labelCount;
    std::span<const ReportRow> rows;
};

/// The blocks in the order of the report's columns: sweat rate, heat stress, PMV, IREQ.
std::span<const ReportBlock> reportMethodBlocks();

/// The common parameters in their order: mean radiant temperature, relative air velocity,
/// relative humidity, vapour pressure. Labels `TradMed`, `var`, `HR`, `pa` (0 caption, 1 unit).
struct CommonRow
{
    const char *labels;
    const char *area;
    Caption caption;
    const char *unitText;
    const char *key;
    std::optional<model::NumberPattern> pattern; ///< where the report lays the value out otherwise
};
std::span<const CommonRow> reportCommonRows();

} // namespace kalvora::ui
