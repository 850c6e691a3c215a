#pragma once
// Texts of the application ranges view. The range block and the headings are Spanish in both
// languages; the captions the view copies from the input form come from the input form's table.

#include "model/application_ranges.h"
#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class RangesText {
    Title, ///< window title
    Titulo, ///< heading of the range block
    TitIVM, ///< heading of the PMV ranges
    TitISC, ///< heading of the HSI ranges
    TitWBGT, ///< heading of the WBGT ranges
    TitSW, ///< heading of the SWreq range
    Label21, ///< heading of the values panel
    Label1, ///< relative air velocity
    Label16, ///< humidity, while the humidity group takes no part
    Label18, ///< vapour pressure
    MeanRadiant, ///< `Label10` while the mean radiant temperature is given
    Globe, ///< `Label10` otherwise
    SolarYes, ///< outdoors
    SolarNo, ///< indoors
    Broken, ///< accessible verdict of a range the values break
};

Caption rangesCaption(RangesText text);

/// The text of a range line, the same in both languages, built from the line's bounds:
/// "Actividad metabólica: [ 46 - 232 ] W/m2", "Presión parcial de vapor de agua (pa) < 2.8 kPa",
/// "Temperatura de la piel: 35 °C".
QString rangeLineText(model::RangeLine line);

/// `Label16` for humidity option 0, 1, 2.
Caption humidityCaption(int option);

/// `postura` value for posture option 0, 1, 2.
Caption postureCaption(int option);

} // namespace kalvora::ui
