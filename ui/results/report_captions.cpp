#include "report_captions.h"

#include "model/heat_balance.h"

namespace kalvora::ui {

using model::Method;
using model::MethodResults;
using R = MethodResults;

Caption reportCaption(ReportText text)
{
    switch (text) {
    case ReportText::Title:
        return { "Parámetros", "Parameters" };
    case ReportText::Label1:
        return { "PARAMETROS DE ENTRADA", "INPUT PARAMETERS" };
    case ReportText::Label18:
        return { "PARAMETROS COMUNES", "COMMON PARAMETERS" };
    case ReportText::Label10:
        return { "Temperatura de globo (Tg):", "Globe Temperature:" };
    case ReportText::Label10MeanRadiant:
        return { "TRM:", "TRM:" };
    case ReportText::InBalance:
        return { "SI", "SI" };
    case ReportText::NotInBalance:
        return { "NO", "NO" };
    }
    return { "", "" };
}

Caption humidityRowCaption(int option)
{
    switch (option) {
    case 0:
        return { "Humedad relativa", "Relative Humidity" };
    case 1:
        return { "Temperatura de bulbo húmedo", "Wet bulb Temperature" };
    default:
        return { "Presión parcial de vapor de agua", "Ambient water vapour pression" };
    }
}

namespace {

// Captions shared by the rows of the same meaning in the four blocks.
constexpr Caption kBalance { "Equilibrio térmico:", "Thermal balance:" };
constexpr Caption kRadiation { "Radiación (R):", "Radiation (R):" };
constexpr Caption kConvection { "Convección (C):", "Convection (C):" };
constexpr Caption kRespConvection { "Convección respiratoria (Cres):",
    "Respiratory convection (Cres):" };
constexpr Caption kRespEvaporation { "Evaporación respiratoria (Eres):",
    "Respiratory evaporation (Eres):" };
constexpr Caption kEvaporation { "Evaporación del sudor (E):", "Evaporation (E):" };
constexpr Caption kStored { "Calor acumulado (A):", "Acumulated heat (A):" };
constexpr Caption kHc { "Coeficiente de transferencia por convección (hc):",
    "Convective heat transfer coefficient (hc):" };
constexpr Caption kHr { "Coeficiente de transferencia por radiación (hr):",
    "Radiation heat transfer coefficient (hr):" };
constexpr Caption kEmax { "Evaporación máxima (Emax):", "Maximal Evaporation (Emax):" };

constexpr char kFlow[] = "W/m2";
constexpr char kCoefficient[] = "W/(m2·K)";

constexpr ReportRow kSweatRows[] = {
    { 0, 0, -1, kBalance, nullptr, Shown::Balance, [](const R &r) { return r.AcSW; } },
    { 1, 1, 15, kRadiation, kFlow, Shown::Number2, [](const R &r) { return r.RSW; } },
    { 2, 2, 16, kConvection, kFlow, Shown::Number2, [](const R &r) { return r.CSW; } },
    { 3, 3, 17, kRespConvection, kFlow, Shown::Number2, [](const R &r) { return r.CresSW; } },
    { 4, 4, 18, kRespEvaporation, kFlow, Shown::Number2, [](const R &r) { return r.EresSW; } },
    { 5, 5, 19, kEvaporation, kFlow, Shown::Number2, [](const R &r) { return r.ESW; } },
    { 6, 6, 20, kStored, kFlow, Shown::Number2, [](const R &r) { return r.AcSW; } },
    { 7, 7, 21, kHc, kCoefficient, Shown::Number2, [](const R &r) { return r.hconvSW; } },
    { 8, 8, 22, kHr, kCoefficient, Shown::Number2, [](const R &r) { return r.hrSW; } },
    { 9, 9, 23, kEmax, kFlow, Shown::Number2, [](const R &r) { return r.EmaxSW; } },
    { 10, -1, -1,
        { "CRITERIO DE ALARMA PARA NO ACLIMATADOS:",
            "ALARM CRITERIUM FOR NON ACCLIMATIZED SUBJECTS" },
        nullptr, Shown::Heading, nullptr },
    { 11, 10, -1, { "Humedad de la piel (wp):", "Required skin wettedness (wp):" }, nullptr,
        Shown::Number2, [](const R &r) { return r.wpnaa; } },
    { 27, 14, -1, { "Eficiencia evaporativa (rp):", "Evaporative efficiency of sweating (rp)" },
        nullptr, Shown::Number2, [](const R &r) { return r.rpnaa; } },
    { 12, 11, 24, { "Tasa de sudoración (SWp):", "Sweat rate (SWp):" }, kFlow, Shown::Number2,
        [](const R &r) { return r.SWpnaa; } },
    { 13, 12, 25, { "Tasa de evaporación (Ep):", "Evaporation rate (Ep):" }, kFlow, Shown::Number2,
        model::EvaporationRateNaa },
    { 14, 13, 26, { "Exposición límite (DLE):", "Allowable exposure time (DLE):" }, "min",
        Shown::Exposure, [](const R &r) { return r.DLEnaa; } },
};

constexpr ReportRow kHeatStressRows[] = {
    { 0, 0, 4, kEmax, kFlow, Shown::Number2, [](const R &r) { return r.EmaxISC; } },
    { 1, 1, 5, kRadiation, kFlow, Shown::Number2, [](const R &r) { return r.RISC; } },
    { 2, 2, 6, kConvection, kFlow, Shown::Number2, [](const R &r) { return r.CISC; } },
    { 3, 3, 7, { "Evaporación requerida (Ereq):", "Required evaporation (Ereq):" }, kFlow,
        Shown::Number2, [](const R &r) { return r.EreqISC; } },
    { 8, 4, 9, { "Evaporación (E):", "Evaporation (E):" }, kFlow, Shown::Number2,
        [](const R &r) { return r.EISC; } },
};

constexpr ReportRow kPmvRows[] = {
    { 0, 0, -1, kBalance, nullptr, Shown::Balance, [](const R &r) { return r.AcIVM; } },
    { 1, 1, 7, kRadiation, kFlow, Shown::Number2, [](const R &r) { return r.RIVM; } },
    { 2, 2, 8, kConvection, kFlow, Shown::Number2, [](const R &r) { return r.CIVM; } },
    { 3, 3, 9, kRespConvection, kFlow, Shown::Number2, [](const R &r) { return r.CresIVM; } },
    { 4, 4, 10, kRespEvaporation, kFlow, Shown::Number2, [](const R &r) { return r.EresIVM; } },
    { 5, 5, 11, kEvaporation, kFlow, Shown::Number2, [](const R &r) { return r.EIVM; } },
    { 6, 6, 12, kStored, kFlow, Shown::Number2, [](const R &r) { return r.AcIVM; } },
    { 13, 7, 14, kHc, kCoefficient, Shown::Number2, [](const R &r) { return r.hc; } },
};

constexpr ReportRow kIreqRows[] = {
    { 0, 0, -1, kBalance, nullptr, Shown::Balance, [](const R &r) { return r.AcIREQ; } },
    { 1, 1, 9, kRadiation, kFlow, Shown::Number2, [](const R &r) { return r.RIREQ; } },
    { 2, 2, 10, kConvection, kFlow, Shown::Number2, [](const R &r) { return r.CIREQ; } },
    { 3, 3, 11, kRespConvection, kFlow, Shown::Number2, [](const R &r) { return r.CresIREQ; } },
    { 4, 4, 12, kRespEvaporation, kFlow, Shown::Number2, [](const R &r) { return r.EresIREQ; } },
    { 5, 5, 13, kEvaporation, kFlow, Shown::Number2, [](const R &r) { return r.EIREQ; } },
    { 6, 6, 14, kStored, kFlow, Shown::Number2, [](const R &r) { return r.AcIREQ; } },
    { 7, 7, 15, kHc, kCoefficient, Shown::Number2, [](const R &r) { return r.hcIREQ; } },
    { 8, 8, 16, kHr, kCoefficient, Shown::Number2, [](const R &r) { return r.hrIREQ; } },
};

} // namespace

std::span<const ReportBlock> reportMethodBlocks()
{
    static constexpr ReportBlock kBlocks[] = {
        { Method::SwReq, "Label19",
            { "PARAMETROS CALCULADOS A PARTIR DEL METODO SWreq (ISO 7933)",
                "PARAMETERS BASED ON SWreq METHOD (ISO 7933)" },
            "SW", "SWp", 28, kSweatRows },
        { Method::Hsi, "Label20",
            { "PARAMETROS CALCULADOS A PARTIR DEL METODO ISC:", "PARAMETERS BASED ON ISC METHOD" },
            "ISC", "ISCp", 10, kHeatStressRows },
        { Method::Pmv, "Label21",
            { "PARAMETROS CALCULADOS A PARTIR DEL METODO IVM (ISO 7730)",
                "PARAMETERS BASED ON PMV METHOD (ISO 7730)" },
            "IVM", "IVMP", 15, kPmvRows },
        { Method::Ireq, "Label22",
            { "PARAMETROS CALCULADOS A PARTIR DEL METODO IREQ (ISO 11079)",
                "PARAMETERS BASED ON IREQ METHOD (ISO 11079)" },
            "IReQ", "IREQP", 17, kIreqRows },
    };
    return kBlocks;
}

std::span<const CommonRow> reportCommonRows()
{
    static constexpr CommonRow kRows[] = {
        { "TradMed", "Tradmedp",
            { "Temperatura radiante media (TRM):", "Mean radiant temperature (tr):" }, "°C",
            Shown::Number1, [](const R &r) { return r.TRM; } },
        { "var", "varp", { "Velocidad relativa del aire (var):", "Relative air velocity (vr):" },
            "m/s", Shown::Number2, [](const R &r) { return r.var; } },
        { "HR", "HRp", { "Humedad relativa (HR):", "Relative humidity:" }, "%", Shown::Number2,
            [](const R &r) { return r.Hrel; } },
        { "pa", "pap",
            { "Presión parcial de vapor de agua (pa):", "Ambient water vapour pression (pa):" },
            "kPa", Shown::Number2, [](const R &r) { return r.pvap; } },
    };
    return kRows;
}

} // namespace kalvora::ui
