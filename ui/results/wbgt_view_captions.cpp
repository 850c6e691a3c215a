#include "wbgt_view_captions.h"

namespace kalvora::ui {

Caption wbgtCaption(WbgtText text)
{
    switch (text) {
    case WbgtText::Title:
        return { "WBGT (ISO 7243)", "WBGT (ISO 7243)" };
    case WbgtText::Label1:
        return { "INDICE DE TEMPERATURA DE GLOBO Y DE BULBO HUMEDO (WBGT)",
            "WET BULB GLOBE TEMPERATURE INDEX (WBGT)" };
    case WbgtText::Label2:
        return { "Indice de temperatura de globo y bulbo húmedo:", "Wet Bulb Globe Index:" };
    case WbgtText::Label3:
        return { "Metabolismo:", "Metabolic Power" };
    case WbgtText::Label4:
        return { "Valores de referencia máximos", "Valores de referencia máximos" };
    case WbgtText::IndexPrefix:
        return { "WBGT = ", "WBGT = " };
    case WbgtText::IndexUnit:
        return { "°C", "°C" };
    case WbgtText::MetabolicPrefix:
        return { "M = ", "M = " };
    case WbgtText::MetabolicUnit:
        return { " W/m²", " W/m²" };
    case WbgtText::Chart:
        return { "Valores de referencia máximos del WBGT frente al metabolismo, para cuatro "
                 "regímenes de trabajo y descanso",
            "Maximal WBGT against the metabolic power, for four work and rest regimes" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
