#include "report_captions.h"

#include "model/presentation/thermal_balance.h"

#include <algorithm>
#include <array>

namespace kalvora::ui {

using model::Method;

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

/// The rows a method block with a heat balance starts with: the verdict, then R, C, Cres, Eres,
/// E and A, labels and value areas 0 … 6, unit labels from firstUnit on.
constexpr std::array<ReportRow, 7> balanceRows(Method method, int firstUnit)
{
    const model::BalanceKeys keys = model::balanceKeys(method);
    const auto flow = [&](int row, Caption caption, const char *key) {
        return ReportRow { row, row, firstUnit + row - 1, caption, kFlow, RowKind::Value, key };
    };
    return { { { 0, 0, -1, kBalance, nullptr, RowKind::Balance, keys.A },
        flow(1, kRadiation, keys.R), flow(2, kConvection, keys.C),
        flow(3, kRespConvection, keys.Cres), flow(4, kRespEvaporation, keys.Eres),
        flow(5, kEvaporation, keys.E), flow(6, kStored, keys.A) } };
}

template <std::size_t first, std::size_t then>
constexpr std::array<ReportRow, first + then> join(
    const std::array<ReportRow, first> &head, const std::array<ReportRow, then> &tail)
{
    std::array<ReportRow, first + then> rows {};
    std::copy(head.begin(), head.end(), rows.begin());
    std::copy(tail.begin(), tail.end(), rows.begin() + first);
    return rows;
}

constexpr auto kSweatRows = join(balanceRows(Method::SwReq, 15),
    std::array<ReportRow, 9> { {
        { 7, 7, 21, kHc, kCoefficient, RowKind::Value, "hconvSW" },
        { 8, 8, 22, kHr, kCoefficient, RowKind::Value, "hrSW" },
        { 9, 9, 23, kEmax, kFlow, RowKind::Value, "EmaxSW" },
        { 10, -1, -1,
            { "CRITERIO DE ALARMA PARA NO ACLIMATADOS:",
                "ALARM CRITERIUM FOR NON ACCLIMATIZED SUBJECTS" },
            nullptr, RowKind::Heading, nullptr },
        { 11, 10, -1, { "Humedad de la piel (wp):", "Required skin wettedness (wp):" }, nullptr,
            RowKind::Value, "wpnaa" },
        { 27, 14, -1, { "Eficiencia evaporativa (rp):", "Evaporative efficiency of sweating (rp)" },
            nullptr, RowKind::Value, "rpnaa" },
        { 12, 11, 24, { "Tasa de sudoración (SWp):", "Sweat rate (SWp):" }, kFlow, RowKind::Value,
            "SWpnaa" },
        { 13, 12, 25, { "Tasa de evaporación (Ep):", "Evaporation rate (Ep):" }, kFlow,
            RowKind::EvaporationRate, nullptr },
        { 14, 13, 26, { "Exposición límite (DLE):", "Allowable exposure time (DLE):" }, "min",
            RowKind::Exposure, "DLEnaa" },
    } });

constexpr ReportRow kHeatStressRows[] = {
    { 0, 0, 4, kEmax, kFlow, RowKind::Value, "EmaxISC" },
    { 1, 1, 5, kRadiation, kFlow, RowKind::Value, model::balanceKeys(Method::Hsi).R },
    { 2, 2, 6, kConvection, kFlow, RowKind::Value, model::balanceKeys(Method::Hsi).C },
    { 3, 3, 7, { "Evaporación requerida (Ereq):", "Required evaporation (Ereq):" }, kFlow,
        RowKind::Value, "EreqISC" },
    { 8, 4, 9, { "Evaporación (E):", "Evaporation (E):" }, kFlow, RowKind::Value,
        model::balanceKeys(Method::Hsi).E },
};

constexpr auto kPmvRows = join(balanceRows(Method::Pmv, 7),
    std::array<ReportRow, 1> { { { 13, 7, 14, kHc, kCoefficient, RowKind::Value, "hc" } } });

constexpr auto kIreqRows = join(balanceRows(Method::Ireq, 9),
    std::array<ReportRow, 2> { {
        { 7, 7, 15, kHc, kCoefficient, RowKind::Value, "hcIREQ" },
        { 8, 8, 16, kHr, kCoefficient, RowKind::Value, "hrIREQ" },
    } });

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
            { "Temperatura radiante media (TRM):", "Mean radiant temperature (tr):" }, "°C", "TRM",
            model::NumberPattern::Grouped1 },
        { "var", "varp", { "Velocidad relativa del aire (var):", "Relative air velocity (vr):" },
            "m/s", "var", std::nullopt },
        { "HR", "HRp", { "Humedad relativa (HR):", "Relative humidity:" }, "%", "Hrel",
            std::nullopt },
        { "pa", "pap",
            { "Presión parcial de vapor de agua (pa):", "Ambient water vapour pression (pa):" },
            "kPa", "pvap", std::nullopt },
    };
    return kRows;
}

} // namespace kalvora::ui
