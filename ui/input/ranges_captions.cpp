#include "ranges_captions.h"

namespace kalvora::ui {

using model::RangeLine;

Caption rangesCaption(RangesText text)
{
    switch (text) {
    case RangesText::Title:
        return { "Rango de aplicación", "Apllication rank" };
    case RangesText::Titulo:
        return { "RANGOS DE VALIDEZ DE LOS PARAMETROS EN FUNCION DEL METODO",
            "RANGOS DE VALIDEZ DE LOS PARAMETROS EN FUNCION DEL METODO" };
    case RangesText::TitIVM:
        return { "IVM (Indice de Valoración Medio de Fanger)",
            "IVM (Indice de Valoración Medio de Fanger)" };
    case RangesText::TitISC:
        return { "ISC (Indice de Sobrecarga Calórica)", "ISC (Indice de Sobrecarga Calórica)" };
    case RangesText::TitWBGT:
        return { "WBGT (Indice de temperatura de globo y de bulbo húmedo)",
            "WBGT (Indice de temperatura de globo y de bulbo húmedo)" };
    case RangesText::TitSW:
        return { "SWreq (Indice de Sudoración Requerida)",
            "SWreq (Indice de Sudoración Requerida)" };
    case RangesText::Label21:
        return { "VALORES DE LOS PARAMETROS", "VALORES DE LOS PARAMETROS" };
    case RangesText::Label1:
        return { "Velocidad relativa del aire (vr):", "Velocidad relativa del aire (vr):" };
    case RangesText::Label16:
        return { "Humedad:", "Humedad:" };
    case RangesText::Label18:
        return { "Presión parcial de vapor:", "Presión parcial de vapor:" };
    case RangesText::MeanRadiant:
        return { "TRM:", "TRM:" };
    case RangesText::Globe:
        return { "Temperatura de globo (Tg):", "Globe Temperature:" };
    case RangesText::SolarYes:
        return { "SI", "SI" };
    case RangesText::SolarNo:
        return { "NO", "NO" };
    case RangesText::Broken:
        return { "fuera de rango", "out of range" };
    }
    return { "", "" };
}

Caption rangeLineCaption(RangeLine line)
{
    switch (line) {
    case RangeLine::PmvMetabolism:
        return { "Actividad metabólica: [ 46 - 232 ] W/m2",
            "Actividad metabólica: [ 46 - 232 ] W/m2" };
    case RangeLine::PmvClothing:
        return { "Aislamiento del vestido: [ 0 - 2 ] clo",
            "Aislamiento del vestido: [ 0 - 2 ] clo" };
    case RangeLine::PmvAirTemperature:
        return { "Temperatura del aire: [ 10 - 30 ] °C", "Temperatura del aire: [ 10 - 30 ] °C" };
    case RangeLine::PmvRadiantTemperature:
        return { "Temperatura radiante media: [ 10 - 40 ] °C",
            "Temperatura radiante media: [ 10 - 40 ] °C" };
    case RangeLine::PmvAirVelocity:
        return { "Velocidad relativa del aire: [ 0 - 1 ] m/s",
            "Velocidad relativa del aire: [ 0 - 1 ] m/s" };
    case RangeLine::PmvVapourPressure:
        return { "Presión parcial del vapor de agua: [ 0 - 2.7 ] kPa",
            "Presión parcial del vapor de agua: [ 0 - 2.7 ] kPa" };
    case RangeLine::HsiClothing:
        return { "Aislamiento del vestido: [ 0.5 - 0.6 ] clo",
            "Aislamiento del vestido: [ 0.5 - 0.6 ] clo" };
    case RangeLine::HsiSkinTemperature:
        return { "Temperatura de la piel: 35 °C", "Temperatura de la piel: 35 °C" };
    case RangeLine::WbgtAirTemperature:
        return { "Temperatura del aire: [ 10 - 60 ] °C", "Temperatura del aire: [ 10 - 60 ] °C" };
    case RangeLine::WbgtWetBulb:
        return { "Temperatura de bulbo húmedo: [ 5 - 40 ] °C",
            "Temperatura de bulbo húmedo: [ 5 - 40 ] °C" };
    case RangeLine::WbgtGlobeTemperature:
        return { "Temperatura de globo: [ 20 - 120 ] °C", "Temperatura de globo: [ 20 - 120 ] °C" };
    case RangeLine::SwVapourPressure:
        return { "Presión parcial de vapor de agua (pa) < 2.8 kPa",
            "Presión parcial de vapor de agua (pa) < 2.8 kPa" };
    }
    return { "", "" };
}

Caption humidityCaption(int option)
{
    switch (option) {
    case 0:
        return { "Humedad relativa", "Relative Humidity" };
    case 1:
        return { "Temperatura de bulbo húmedo (tbh)", "Wet bulb Temperature" };
    default:
        return { "Presión parcial de vapor de agua (pa)", "Ambient water vapour pression (pa)" };
    }
}

Caption postureCaption(int option)
{
    switch (option) {
    case 0:
        return { "De Pie", "De Pie" };
    case 1:
        return { "Sentado", "Sentado" };
    default:
        return { "Agachado", "Agachado" };
    }
}

} // namespace kalvora::ui
