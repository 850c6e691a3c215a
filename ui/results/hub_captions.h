#pragma once
// The hub's own texts in both languages. The captions it copies from the input form come from
// the input form's table.

#include "model/input_parameters.h"
#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class HubText {
    Title, ///< window title (a single blank in English)
    Label1, ///< heading of the input summary
    Result, ///< `result` link and its picture
    Param, ///< `param` link and its picture
    Infv, ///< `infv` link and its picture
    Modif, ///< `modif` link and its picture
    GlobeTemperature, ///< `Label10` while the globe temperature is the radiation input
    MeanRadiantTemperature, ///< `Label10` while the mean radiant temperature is given
    SolarLoadYes, ///< `Radsolar` outdoors
    SolarLoadNo, ///< `Radsolar` indoors
};

Caption hubCaption(HubText text);

/// Caption of the button that opens a method's view.
Caption methodButtonCaption(model::Method method);

} // namespace kalvora::ui
