#include "ireq_view_captions.h"

namespace kalvora::ui {

Caption ireqCaption(IreqText text)
{
    switch (text) {
    case IreqText::Title:
        return { "IREQ (ISO 11079)", "IREQ (ISO 11079)" };
    case IreqText::Label1:
        return { "INDICE DE AISLAMIENTO DEL VESTIDO REQUERIDO (Ireq)",
            "REQUIRED CLOTHING INSULATION INDEX (IREQ)" };
    case IreqText::Label9:
        return { "AISLAMIENTOS DEL VESTIDO: MINIMO, NEUTRAL Y DISPONIBLE",
            "CLOTHING INSULATIONS: MINIMAL, MAXIMAL AND AVAILABLE" };
    case IreqText::Label10:
        return { "Aislamiento mínimo:", "Minimal insulation:" };
    case IreqText::Label12:
        return { "Aislamiento neutral:", "Neutral insulation:" };
    case IreqText::Label14:
        return { "Aislamiento disponible:", "Available insulation:" };
    case IreqText::Label4:
        return { "Exposición límite (mínimo) (DLEmin):", "Limited exposure (minimal) (DLEmin):" };
    case IreqText::Label5:
        return { "Exposición límite (neutral) (DLEneut):",
            "Limited exposure (neutral) (DLEneut):" };
    case IreqText::Label3:
        return { "IREQmin = ", "IREQmin = " };
    case IreqText::Label15:
        return { "IREQneut = ", "IREQneut = " };
    case IreqText::Label16:
        return { "Iclr = ", "Iclr = " };
    case IreqText::Label8:
        return { "DLEmin =", "DLEmin =" };
    case IreqText::Label17:
        return { "DLEneut =", "DLEneut =" };
    case IreqText::Clo:
        return { "clo", "clo" };
    case IreqText::Hours:
        return { "h", "h" };
    case IreqText::tId:
        return { "Iclr -", "Iclr -" };
    case IreqText::min:
        return { "Min-", "Min-" };
    case IreqText::Neut:
        return { "Neut- ", "Neut- " };
    case IreqText::MarkerTooLittle:
        return { "Aislamiento disponible insuficiente: por debajo del mínimo",
            "Available insulation too low: below the minimum" };
    case IreqText::MarkerBetween:
        return { "Aislamiento disponible entre el mínimo y el neutral",
            "Available insulation between the minimal and the neutral" };
    case IreqText::MarkerEnough:
        return { "Aislamiento disponible suficiente: neutral o más",
            "Available insulation sufficient: neutral or above" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
