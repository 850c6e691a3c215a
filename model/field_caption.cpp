#include "field_caption.h"

namespace kalvora::model {

Caption fieldCaption(Field field)
{
    switch (field) {
    case Field::Metabolismo:
        return { "Metabolismo (M)", "Metabolic power (M):" };
    case Field::Taseco:
        return { "Temperatura seca del aire (ta)", "Ambient air temperature (ta):" };
    case Field::Iclo:
        return { "Aislamiento de la ropa (clo)", "Clothing Insulation (Iclo):" };
    case Field::vaire:
        return { "Velocidad del aire (va)", "Air velocity (va):" };
    case Field::tbhn:
        return { "Temperatura de bulbo húmedo natural (THN)",
            "Natural wet-bulb temperature (tnw):" };
    case Field::tglobo:
        return { "Temperatura de globo (tg)", "Globe Temperature (tg):" };
    case Field::TRMedia:
        return { "Temperatura Radiante Media (TRM)", "Mean radiant temperature (tr):" };
    case Field::HR:
        return { "Humedad relativa (%)", "Relative humidity (%):" };
    case Field::tbh:
        return { "Temperatura de bulbo húmedo (tbh, en °C)", "Wet-bulb temperature(tw, in °C):" };
    case Field::pa:
        return { "Presión parcial del vapor de agua (pa, en kPa)",
            "Ambient water vapour pression (pa, in KPa):" };
    }
    return { "", "" };
}

std::string fieldCaptionInText(Field field, Language language)
{
    std::string text = inLanguage(fieldCaption(field), language);
    while (!text.empty() && (text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace kalvora::model
