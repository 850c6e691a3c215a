#include "ranges_captions.h"

#include <QLocale>

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

namespace {

/// What a range line says around its numbers: the quantity and its unit.
struct LineWords
{
    const char *quantity;
    const char *unit;
};

LineWords lineWords(RangeLine line)
{
    switch (line) {
    case RangeLine::PmvMetabolism:
        return { "Actividad metabólica", "W/m2" };
    case RangeLine::PmvClothing:
    case RangeLine::HsiClothing:
        return { "Aislamiento del vestido", "clo" };
    case RangeLine::PmvAirTemperature:
    case RangeLine::WbgtAirTemperature:
        return { "Temperatura del aire", "°C" };
    case RangeLine::PmvRadiantTemperature:
        return { "Temperatura radiante media", "°C" };
    case RangeLine::PmvAirVelocity:
        return { "Velocidad relativa del aire", "m/s" };
    case RangeLine::PmvVapourPressure:
        return { "Presión parcial del vapor de agua", "kPa" };
    case RangeLine::HsiSkinTemperature:
        return { "Temperatura de la piel", "°C" };
    case RangeLine::WbgtWetBulb:
        return { "Temperatura de bulbo húmedo", "°C" };
    case RangeLine::WbgtGlobeTemperature:
        return { "Temperatura de globo", "°C" };
    case RangeLine::SwVapourPressure:
        return { "Presión parcial de vapor de agua (pa)", "kPa" };
    }
    return { "", "" };
}

/// A bound as the line writes it: the shortest decimal, with a point.
QString bound(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString rangeLineText(RangeLine line)
{
    const LineWords words = lineWords(line);
    const model::RangeBounds bounds = model::rangeBounds(line);
    const QString quantity = QString::fromUtf8(words.quantity);
    const QString unit = QString::fromUtf8(words.unit);
    switch (bounds.kind) {
    case model::RangeKind::Interval:
        return quantity + QStringLiteral(": [ ") + bound(bounds.low) + QStringLiteral(" - ")
            + bound(bounds.high) + QStringLiteral(" ] ") + unit;
    case model::RangeKind::Below:
        return quantity + QStringLiteral(" < ") + bound(bounds.high) + QLatin1Char(' ') + unit;
    case model::RangeKind::Assumed:
        return quantity + QStringLiteral(": ") + bound(bounds.low) + QLatin1Char(' ') + unit;
    }
    return quantity;
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
