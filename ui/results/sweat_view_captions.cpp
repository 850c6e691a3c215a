#include "sweat_view_captions.h"

namespace kalvora::ui {

Caption sweatCaption(SweatText text)
{
    switch (text) {
    case SweatText::Title:
        return { "SWreq (ISO 7933)", "SWreq (ISO 7933)" };
    case SweatText::ISWreq:
        return { "INDICE DE SUDORACION REQUERIDA", "REQUIRED SWEAT RATE" };
    case SweatText::noaclim:
        return { "PERSONAS NO ACLIMATADAS:", "NON ACCLIMATIZED SUBJECTS" };
    case SweatText::aclim:
        return { "PERSONAS ACLIMATADAS:", "ACCLIMATIZED SUBJECTS" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
