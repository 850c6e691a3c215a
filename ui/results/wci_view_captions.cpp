#include "wci_view_captions.h"

#include <array>

namespace kalvora::ui {

Caption wciCaption(WciText text)
{
    switch (text) {
    case WciText::Title:
        return { "WCI (ISO 11079)", "WCI (ISO 11079)" };
    case WciText::Label1:
        return { "INDICE DE VIENTO FRIO  (WCI)", "WIND CHILL INDEX (WCI)" };
    case WciText::Label2:
        return { "Indice de viento frío:", "Wind chill index:" };
    case WciText::Label3:
        return { "Temperatura fría:", "Chilling temperature:" };
    case WciText::TitGRAF:
        return { "INTERPRETACION DEL INDICE DE VIENTO FRIO (WCI)",
            "    MEANING OF WIND CHILL INDEX (WCI)" };
    case WciText::IndexPrefix:
        return { "WCI = ", "WCI = " };
    case WciText::IndexUnit:
        return { "W/m²", "W/m²" };
    case WciText::ChillPrefix:
        return { "Tch = ", "Tch = " };
    case WciText::ChillUnit:
        return { "°C", "°C" };
    case WciText::Table:
        return { "Equivalencias entre la temperatura fría (Tch, °C) y el índice de viento frío "
                 "(WCI, W/m²)",
            "Chilling temperature (Tch, °C) and the equivalent wind chill index (WCI, W/m²)" };
    }
    return { "", "" };
}

const ColdCategoryText &coldCategoryText(model::ColdCategory category)
{
    constexpr Caption kFreezes { "Congelación de las partes expuestas ", "Exposed flesh freezes" };
    constexpr Caption kOneLine { "", "" };
    static constexpr std::array<ColdCategoryText, model::kColdCategoryCount> kTexts { {
        { "calor", { "Calor", "Hot" }, kOneLine },
        { "confort", { "Confort", "Comfort" }, kOneLine },
        { "Frio", { "Frío", "Cold" }, kOneLine },
        { "mfrio", { "Mucho frío", "Very Cold" }, kOneLine },
        { "cortante", { "Frío cortante", "Bitterly Cold" }, kOneLine },
        { "cong_0", kFreezes, { "en 1 hora", "within 1 h" } },
        { "cong_1", kFreezes, { "en 1 minuto", "within 1 min" } },
        { "cong_2", kFreezes, { "en 30 segundos", "within 30 s" } },
    } };
    return kTexts[std::size_t(category)];
}

} // namespace kalvora::ui
