#pragma once
// The results summary's own texts in both languages: headings, row names, legends, the pieces of
// every result line and the labels of the heat-balance part. Blanks inside the pieces are part
// of the shown line.

#include "model/input_parameters.h"
#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class SummaryText {
    Title, ///< window title
    Label8, ///< header of the method column
    Label9, ///< header of the result column
    Label17, ///< header of the range column
    Label19, ///< legend of red
    Label20, ///< legend of orange
    Label21, ///< legend of green
    Label22, ///< legend of the green range square
    Label23, ///< legend of the red range square
    Label24, ///< heading of the range legend
    NotSelected, ///< result line of a method not selected
    Stopped, ///< result line of a method a fault kept from finishing
    // Pieces of the result lines.
    PmvVote, ///< "IVM= " / "PMV= "
    PmvPercentage, ///< " ,  PPI = " / " ,  PPD = "
    Percent, ///< " %"
    HsiIndex, ///< "ISC = " / "HSI = "
    HsiExposure, ///< " % ,  TEP = "
    Minutes, ///< " min"
    WbgtIndex, ///< "WBGT = "
    Celsius, ///< " °C"
    SwAlarm, ///< "Alarma para no aclimatados:"
    SwWettedness, ///< " wp = "
    SwLimitedExposure, ///< label before a limited exposure time (two leading blanks)
    SwUnlimitedExposure, ///< label before the unlimited text (one leading blank)
    WciIndex, ///< "WCI = "
    WciChilling, ///< " W/m²   ,  tch = "
    IreqMinimal, ///< "IREQ min = "
    IreqNeutral, ///< " clo   ,  IREQ neut = "
    Clo, ///< " clo"
    // The heat-balance part.
    Label1, ///< heading of the balance verdict
    Label16, ///< heading of the chart
    Label2, ///< beside the metabolic power
    Label3, ///< beside the radiation reading
    Label4, ///< beside the convection reading
    Label5, ///< beside the respiratory convection
    Label6, ///< beside the respiratory evaporation
    Label7, ///< beside the evaporation of sweat
    Label18, ///< beside the accumulated heat
    HeatFlowUnit, ///< " W/m²"
    ChartAxis, ///< title of the chart's value axis
    RangeIn, ///< accessible verdict of a green range square
    RangeOut, ///< accessible verdict of a red range square
};

Caption summaryCaption(SummaryText text);

/// The legend of a rating's colour (0 green, 1 orange, any other red), which also says the
/// verdict of a light of that rating in words.
SummaryText strainLegend(int rating);

/// Name of a method's row (`Label10` … `Label15`).
Caption rowCaption(model::Method method);

} // namespace kalvora::ui
