#include "input_captions.h"

namespace kalvora::ui {

using model::Field;
using model::Method;
using model::OptionGroup;

Caption inputCaption(InputText text)
{
    switch (text) {
    case InputText::Title:
        return { "Confort Térmico", "Thermal comfort" };
    case InputText::Frame1:
        return { "Indices", "Index" };
    case InputText::Label1:
        return { "Parámetros:", "Parameters" };
    case InputText::LoadButton:
        return { " CARGAR DATOS", "  LOAD VALUES " };
    }
    return { "", "" };
}

// The runs of blanks push the standard's name onto the second line of the wrapped caption.
Caption methodCaption(Method method)
{
    switch (method) {
    case Method::Pmv:
        return {
            "Indice de valoración medio de Fanger (IVM)                              (ISO 7730)",
            "Fanger's predicted mean vote (PVM) (ISO 7730)"
        };
    case Method::Hsi:
        return { "Indice de sobrecarga calórica (ISC)", "Heat stress index (HSI)" };
    case Method::Wbgt:
        return { "Indice de temperatura de globo y de bulbo húmedo (WBGT)          (ISO 7243)",
            "Wet bulb globe temperature (WBGT-Index) (ISO 7243)" };
    case Method::SwReq:
        return { " Indice de sudoración requerida (SWreq)       (ISO 7933)",
            "Required sweat rate (SWreq) (ISO 7933)" };
    case Method::Wci:
        return { "Indice del viento frío (WCI) (ISO 11079)",
            "Wind chill index (WCI)     (ISO 11079)" };
    case Method::Ireq:
        return { "Indice del aislamiento requerido (IREQ)  (ISO 11079)",
            "Required clothing insulation (IREQ)(ISO 11079)" };
    }
    return { "", "" };
}

Caption frameCaption(OptionGroup group)
{
    switch (group) {
    case OptionGroup::Radiacion:
        return { "Radiación", "Radiation" };
    case OptionGroup::humedad:
        return { "Humedad", "Humidity" };
    case OptionGroup::Radsolar:
        return { "Carga solar", "Solar load" };
    case OptionGroup::postura:
        return { "Postura", "Posture" };
    }
    return { "", "" };
}

namespace {

constexpr Caption kRadiacion[] = {
    { "Temperatura de globo (tg)", "Globe Temperature (tg):" },
    { "Temperatura Radiante Media (TRM)", "Mean radiant temperature (tr):" },
};
constexpr Caption kHumedad[] = {
    { "Humedad relativa (%)", "Relative humidity (%):" },
    { "Temperatura de bulbo húmedo (tbh, en °C)", "Wet-bulb temperature(tw, in °C):" },
    { "Presión parcial del vapor de agua (pa, en kPa)",
        "Ambient water vapour pression (pa, in KPa):" },
};
constexpr Caption kRadsolar[] = {
    { "Al aire libre", "Outside buildings" },
    { "Interior", "Inside buildings" },
};
constexpr Caption kPostura[] = {
    { "De pie", "Standing" },
    { "Sentado", "Seated" },
    { "Agachado", "Crouching" },
};

template <std::size_t N> Caption at(const Caption (&captions)[N], int option)
{
    return option >= 0 && static_cast<std::size_t>(option) < N ? captions[option]
                                                               : Caption { "", "" };
}

} // namespace

Caption optionCaption(OptionGroup group, int option)
{
    switch (group) {
    case OptionGroup::Radiacion:
        return at(kRadiacion, option);
    case OptionGroup::humedad:
        return at(kHumedad, option);
    case OptionGroup::Radsolar:
        return at(kRadsolar, option);
    case OptionGroup::postura:
        return at(kPostura, option);
    }
    return { "", "" };
}

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
        return kRadiacion[0];
    case Field::TRMedia:
        return kRadiacion[1];
    case Field::HR:
        return kHumedad[0];
    case Field::tbh:
        return kHumedad[1];
    case Field::pa:
        return kHumedad[2];
    }
    return { "", "" };
}

std::span<const FieldLabels> labelledFields()
{
    static constexpr FieldLabels kLabels[] = {
        { Field::Metabolismo, "Label2", "Label3" },
        { Field::Taseco, "Label4", "Label5" },
        { Field::Iclo, "Label6", "Label7" },
        { Field::vaire, "Label8", "Label9" },
        { Field::tbhn, "Label12", "Label13" },
    };
    return kLabels;
}

const char *fieldUnit(Field field)
{
    switch (field) {
    case Field::Metabolismo:
        return "W/m2";
    case Field::Iclo:
        return "clo";
    case Field::vaire:
        return "m/s";
    case Field::HR:
        return "%";
    case Field::pa:
        return "kPa";
    case Field::Taseco:
    case Field::tglobo:
    case Field::TRMedia:
    case Field::tbhn:
    case Field::tbh:
        return "°C";
    }
    return "";
}

} // namespace kalvora::ui
