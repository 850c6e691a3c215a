#include "summary_captions.h"

namespace kalvora::ui {

Caption summaryCaption(SummaryText text)
{
    switch (text) {
    case SummaryText::Title:
        return { "Resultados", "Results" };
    case SummaryText::Label8:
        return { "Indice", "Index" };
    case SummaryText::Label9:
        return { "Resultados obtenidos", "Results" };
    case SummaryText::Label17:
        return { "Rango de aplicación", "Application interval" };
    case SummaryText::Label19:
        return { "Alta sobrecarga detectada", "High detected strain" };
    case SummaryText::Label20:
        return { "Baja sobrecarga detectada", "Low detected strain" };
    case SummaryText::Label21:
        return { "No se detecta sobrecarga", "No detected strain" };
    case SummaryText::Label22:
        return { "Dentro de rango", "In rank" };
    case SummaryText::Label23:
        return { "Fuera de rango", "Out of rank" };
    case SummaryText::Label24:
        return { "Rango", "Rango" };
    case SummaryText::NotSelected:
        return { "No seleccionado.", " Not selected." };
    case SummaryText::Stopped:
        return { "Evaluación detenida por un error aritmético",
            "Evaluation stopped by an arithmetic fault" };
    case SummaryText::PmvVote:
        return { "IVM= ", "PMV= " };
    case SummaryText::PmvPercentage:
        return { " ,  PPI = ", " ,  PPD = " };
    case SummaryText::Percent:
        return { " %", " %" };
    case SummaryText::HsiIndex:
        return { "ISC = ", "HSI = " };
    case SummaryText::HsiExposure:
        return { " % ,  TEP = ", " % ,  TEP = " };
    case SummaryText::Minutes:
        return { " min", " min" };
    case SummaryText::WbgtIndex:
        return { "WBGT = ", "WBGT = " };
    case SummaryText::Celsius:
        return { " °C", " °C" };
    case SummaryText::SwAlarm:
        return { "Alarma para no aclimatados:", "Alarm for non acclimatized:" };
    case SummaryText::SwWettedness:
        return { " wp = ", " wp = " };
    case SummaryText::SwLimitedExposure:
        return { "  , Exposición límite (DLE):  ", "  , Allowable exposure time (DLE):  " };
    case SummaryText::SwUnlimitedExposure:
        return { " , Exposición límite (DLE):  ", " , Allowable exposure time (DLE):  " };
    case SummaryText::WciIndex:
        return { "WCI = ", "WCI = " };
    case SummaryText::WciChilling:
        return { " W/m²   ,  tch = ", " W/m²   ,  tch = " };
    case SummaryText::IreqMinimal:
        return { "IREQ min = ", "IREQ min = " };
    case SummaryText::IreqNeutral:
        return { " clo   ,  IREQ neut = ", " clo   ,  IREQ neut = " };
    case SummaryText::Clo:
        return { " clo", " clo" };
    case SummaryText::Label1:
        return { "EQUILIBRIO TERMICO:", "THERMAL BALANCE" };
    case SummaryText::Label16:
        return { "BALANCE TERMICO", "THERMAL BALANCE" };
    case SummaryText::Label2:
        return { "ACTIVIDAD METABOLICA:", "METABOLIC POWER:" };
    case SummaryText::Label3:
        return { "RADIACION:", "RADIATION:" };
    case SummaryText::Label4:
        return { "CONVECCION:", "CONVECTION:" };
    case SummaryText::Label5:
        return { "CONVECCION RESPIRATORIA:", "RESPIRATORY CONVECTION:" };
    case SummaryText::Label6:
        return { "EVAPORACION RESPIRATORIA:", "RESPIRATORY EVAPORATION:" };
    case SummaryText::Label7:
        return { "EVAPORACION DEL SUDOR:", "EVAPORATION:" };
    case SummaryText::Label18:
        return { "CALOR ACUMULADO:", "ACUMULATED HEAT:" };
    case SummaryText::HeatFlowUnit:
        return { " W/m²", " W/m²" };
    case SummaryText::ChartAxis:
        return { "Flujo de calor (W/m²)", "Heat flow (W/m²)" };
    case SummaryText::RangeIn:
        return { "dentro de rango", "in range" };
    case SummaryText::RangeOut:
        return { "fuera de rango", "out of range" };
    }
    return { "", "" };
}

SummaryText strainLegend(int rating)
{
    switch (rating) {
    case 0:
        return SummaryText::Label21;
    case 1:
        return SummaryText::Label20;
    default:
        return SummaryText::Label19;
    }
}

Caption rowCaption(model::Method method)
{
    switch (method) {
    case model::Method::Pmv:
        return { "IVM", "PMV" };
    case model::Method::Hsi:
        return { "ISC", "HSI" };
    case model::Method::Wbgt:
        return { "WBGT", "WBGT" };
    case model::Method::SwReq:
        return { "SWreq", "SWreq" };
    case model::Method::Wci:
        return { "IVF", "WCI" };
    case model::Method::Ireq:
        return { "IREQ", "IREQ" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
