#pragma once
// The parameters report's texts and rows: block headings, the rows of the common parameters and
// of the four method blocks with their captions, units and the record field each shows.

#include "model/input_parameters.h"
#include "model/method_results.h"
#include "ui/shell/caption.h"

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

/// How a row shows its field.
enum class Shown {
    Number2, ///< "#,##0.00"
    Number1, ///< "#,##0.0"
    Balance, ///< "SI" or "NO" after the magnitude of the heat storage
    Exposure, ///< "Ilimitada" for the mark −1, the time otherwise
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
    Shown shown;
    double (*value)(const model::MethodResults &);
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
    Shown shown;
    double (*value)(const model::MethodResults &);
};
std::span<const CommonRow> reportCommonRows();

} // namespace kalvora::ui
