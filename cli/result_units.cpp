#include "result_units.h"

#include "model/caption.h"

#include <array>

namespace kalvora::cli {

using model::Caption;

namespace {

constexpr std::string_view kHeatFlow = "W/m²";
constexpr std::string_view kCoefficient = "W/(m²·K)";

struct KeyInfo
{
    std::string_view name;
    std::string_view unit;
    Caption meaning;
};

constexpr KeyInfo kKeys[] = {
    { "var", "m/s", { "velocidad relativa del aire", "relative air velocity" } },
    { "fclo", "", { "factor de área de la ropa", "clothing area factor" } },
    { "TRM", "°C", { "temperatura radiante media", "mean radiant temperature" } },
    { "toperativa", "°C", { "temperatura operativa", "operative temperature" } },
    { "Hrel", "%", { "humedad relativa", "relative humidity" } },
    { "pvap", "kPa", { "presión parcial del vapor de agua", "partial pressure of water vapour" } },
    { "ttbh", "°C",
        { "temperatura de bulbo húmedo psicrométrico", "psychrometric wet-bulb temperature" } },
    { "dentrangIVM", "",
        { "1 cuando una entrada está fuera del rango de aplicación del IVM, si no 0",
            "1 when an input lies outside the PMV application range, else 0" } },
    { "tclo", "°C",
        { "temperatura de la superficie de la ropa (IVM)", "clothing surface temperature (PMV)" } },
    { "hc", kCoefficient,
        { "coeficiente de convección (IVM)", "convective heat transfer coefficient (PMV)" } },
    { "IVM", "", { "índice de valoración media (IVM)", "predicted mean vote (PMV)" } },
    { "PPI", "%",
        { "porcentaje previsto de insatisfechos (PPI)",
            "predicted percentage of dissatisfied (PPD)" } },
    { "RIVM", kHeatFlow, { "intercambio por radiación (IVM)", "radiation heat exchange (PMV)" } },
    { "CIVM", kHeatFlow, { "intercambio por convección (IVM)", "convection heat exchange (PMV)" } },
    { "EresIVM", kHeatFlow, { "evaporación respiratoria (IVM)", "respiratory evaporation (PMV)" } },
    { "CresIVM", kHeatFlow, { "convección respiratoria (IVM)", "respiratory convection (PMV)" } },
    { "EIVM", kHeatFlow, { "evaporación por la piel (IVM)", "evaporation from the skin (PMV)" } },
    { "AcIVM", kHeatFlow, { "calor acumulado (IVM)", "accumulated heat (PMV)" } },
    { "ISC", "%", { "índice de sobrecarga calórica", "heat stress index" } },
    { "TEP", "min",
        { "tiempo de exposición permitido; solo con ISC por encima de 100 (si no, ilimitado)",
            "allowable exposure time; meaningful only when ISC is above 100 (else unlimited)" } },
    { "RISC", kHeatFlow, { "intercambio por radiación (ISC)", "radiation heat exchange (HSI)" } },
    { "CISC", kHeatFlow, { "intercambio por convección (ISC)", "convection heat exchange (HSI)" } },
    { "EISC", kHeatFlow, { "evaporación (ISC)", "evaporation (HSI)" } },
    { "AcISC", kHeatFlow, { "calor acumulado (ISC)", "accumulated heat (HSI)" } },
    { "EmaxISC", kHeatFlow,
        { "capacidad evaporativa máxima (ISC)", "maximal evaporative capacity (HSI)" } },
    { "EreqISC", kHeatFlow, { "evaporación requerida (ISC)", "required evaporation (HSI)" } },
    { "WBGT", "°C", { "índice WBGT", "wet bulb globe temperature index" } },
    { "CresSW", kHeatFlow,
        { "convección respiratoria (sudoración requerida)",
            "respiratory convection (required sweat rate)" } },
    { "EresSW", kHeatFlow,
        { "evaporación respiratoria (sudoración requerida)",
            "respiratory evaporation (required sweat rate)" } },
    { "hconvSW", kCoefficient,
        { "coeficiente de convección (sudoración requerida)",
            "convective heat transfer coefficient (required sweat rate)" } },
    { "hrSW", kCoefficient,
        { "coeficiente de radiación (sudoración requerida)",
            "radiative heat transfer coefficient (required sweat rate)" } },
    { "CSW", kHeatFlow,
        { "convección (sudoración requerida)", "convection (required sweat rate)" } },
    { "RSW", kHeatFlow, { "radiación (sudoración requerida)", "radiation (required sweat rate)" } },
    { "ESW", kHeatFlow,
        { "evaporación prevista, primer criterio",
            "evaporation predicted for the first criterion" } },
    { "EmaxSW", kHeatFlow,
        { "evaporación máxima (sudoración requerida)",
            "maximal evaporation (required sweat rate)" } },
    { "AcSW", kHeatFlow,
        { "calor acumulado (sudoración requerida)", "accumulated heat (required sweat rate)" } },
    { "tpSW", "°C", { "temperatura media de la piel", "mean skin temperature" } },
    { "WCI", kHeatFlow, { "índice de viento frío", "wind chill index" } },
    { "tch", "°C", { "temperatura de enfriamiento", "chilling temperature" } },
    { "IREQ1", "clo",
        { "aislamiento requerido mínimo (IREQmin)", "minimal required insulation (IREQmin)" } },
    { "IREQ2", "clo",
        { "aislamiento requerido neutro (IREQneut)", "neutral required insulation (IREQneut)" } },
    { "DLE1", "h",
        { "exposición limitada con el aislamiento IREQmin",
            "duration-limited exposure at the insulation IREQmin" } },
    { "DLE2", "h",
        { "exposición limitada con el aislamiento IREQneut",
            "duration-limited exposure at the insulation IREQneut" } },
    { "DLE3", "h",
        { "exposición limitada de la ropa llevada, criterio mínimo (DLEmin); ilimitada si la ropa "
          "aísla más que IREQmin",
            "duration-limited exposure of the worn clothing, minimal criteria (DLEmin); unlimited "
            "when it insulates more than IREQmin" } },
    { "DLE4", "h",
        { "exposición limitada de la ropa llevada, criterio neutro (DLEneut); ilimitada si la ropa "
          "aísla más que IREQneut",
            "duration-limited exposure of the worn clothing, neutral criteria (DLEneut); unlimited "
            "when it insulates more than IREQneut" } },
    { "RIREQ", kHeatFlow,
        { "intercambio por radiación (IREQ)", "radiation heat exchange (IREQ)" } },
    { "CIREQ", kHeatFlow,
        { "intercambio por convección (IREQ)", "convection heat exchange (IREQ)" } },
    { "EIREQ", kHeatFlow, { "evaporación (IREQ)", "evaporation (IREQ)" } },
    { "CresIREQ", kHeatFlow,
        { "convección respiratoria (IREQ)", "respiratory convection (IREQ)" } },
    { "EresIREQ", kHeatFlow,
        { "evaporación respiratoria (IREQ)", "respiratory evaporation (IREQ)" } },
    { "AcIREQ", kHeatFlow, { "calor almacenado (IREQ)", "heat storage rate (IREQ)" } },
    { "hcIREQ", kCoefficient,
        { "coeficiente de convección (IREQ)", "convective heat transfer coefficient (IREQ)" } },
    { "hrIREQ", kCoefficient,
        { "coeficiente de radiación (IREQ)", "radiative heat transfer coefficient (IREQ)" } },
    { "tcloIREQ", "°C",
        { "temperatura de la superficie de la ropa (IREQ)",
            "clothing surface temperature (IREQ)" } },
    { "okIVM", "",
        { "valoración IVM: 0 verde, 1 naranja, 2 rojo", "PMV rating: 0 green, 1 orange, 2 red" } },
    { "okISC", "",
        { "valoración ISC: 0 verde, 1 naranja, 2 rojo", "HSI rating: 0 green, 1 orange, 2 red" } },
    { "okWBGT", "",
        { "valoración WBGT: 0 verde, 1 naranja, 2 rojo",
            "WBGT rating: 0 green, 1 orange, 2 red" } },
    { "okSWreq", "",
        { "valoración de la sudoración requerida: 0 verde, 1 naranja, 2 rojo",
            "required sweat rate rating: 0 green, 1 orange, 2 red" } },
    { "okIVF", "",
        { "valoración del viento frío: 0 verde, 1 naranja, 2 rojo",
            "wind chill rating: 0 green, 1 orange, 2 red" } },
    { "okIreq", "",
        { "valoración IREQ: 0 verde, 1 naranja, 2 rojo",
            "IREQ rating: 0 green, 1 orange, 2 red" } },
    { "pmvOutOfRange", "",
        { "true cuando el IVM se desactivó por estar fuera de su rango de aplicación",
            "true when PMV was switched off, its inputs being outside its application range" } },
};

/// The twenty criterion values of the required sweat rate: quantity prefix + criterion suffix.
constexpr KeyInfo kQuantities[] = {
    { "wp", "", { "humedad de la piel requerida", "required skin wettedness" } },
    { "rp", "",
        { "eficiencia evaporativa de la sudoración", "evaporative efficiency of sweating" } },
    { "SWp", kHeatFlow, { "sudoración", "sweat rate" } },
    { "Dmax", "W·h/m²", { "pérdida máxima de agua", "maximal water loss" } },
    { "DLE", "min",
        { "tiempo de exposición permitido (−1: ilimitado)",
            "allowable exposure time (−1: unlimited)" } },
};
constexpr KeyInfo kCriteria[] = {
    { "naa", "", { "alarma, no aclimatados", "alarm, non-acclimatized" } },
    { "nap", "", { "peligro, no aclimatados", "danger, non-acclimatized" } },
    { "aa", "", { "alarma, aclimatados", "alarm, acclimatized" } },
    { "ap", "", { "peligro, aclimatados", "danger, acclimatized" } },
};

/// The quantity and criterion of a criterion field's name; nullptrs for any other name.
std::pair<const KeyInfo *, const KeyInfo *> criterionField(std::string_view name)
{
    for (const KeyInfo &quantity : kQuantities) {
        if (!name.starts_with(quantity.name))
            continue;
        for (const KeyInfo &criterion : kCriteria) {
            if (name.substr(quantity.name.size()) == criterion.name)
                return { &quantity, &criterion };
        }
    }
    return { nullptr, nullptr };
}

const KeyInfo *plainKey(std::string_view name)
{
    for (const KeyInfo &key : kKeys) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

} // namespace

std::string_view ResultUnit(std::string_view name)
{
    if (const KeyInfo *key = plainKey(name))
        return key->unit;
    const auto [quantity, criterion] = criterionField(name);
    return quantity ? quantity->unit : std::string_view();
}

std::string ResultMeaning(std::string_view name, model::Language language)
{
    if (const KeyInfo *key = plainKey(name))
        return inLanguage(key->meaning, language);
    const auto [quantity, criterion] = criterionField(name);
    if (!quantity)
        return {};
    return std::string(inLanguage(quantity->meaning, language)) + " ("
        + inLanguage(criterion->meaning, language) + ")";
}

} // namespace kalvora::cli
