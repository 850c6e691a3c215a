#include "result_catalogue.h"

#include "model/caption.h"
#include "model/exposure.h"
#include "model/sweat_criteria.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kalvora::model {

namespace {

/// One key of the record. Its method writes a value when it runs (the shared values before any
/// method), unless the row says otherwise.
struct Row
{
    std::string_view key;
    ResultSource source;
    std::optional<Method> method;
    std::string_view unit;
    Caption meaning;
    ExposureMarker marker = ExposureMarker::None;
    std::optional<Written> written = std::nullopt;
};

// The record's name of a value and its member, written once.
#define KALVORA_KEY(member) #member, &MethodResults::member

constexpr std::string_view kHeatFlow = "W/m²";
constexpr std::string_view kCoefficient = "W/(m²·K)";
constexpr std::optional<Method> kShared;
constexpr std::optional<Method> kPmv = Method::Pmv, kHsi = Method::Hsi, kWbgt = Method::Wbgt,
                                kSw = Method::SwReq, kWci = Method::Wci, kIreq = Method::Ireq;

/// The record's values up to the criterion values of the required sweat rate.
constexpr Row kLeading[] = {
    { KALVORA_KEY(var), kShared, "m/s",
        { "velocidad relativa del aire", "relative air velocity" } },
    { KALVORA_KEY(fclo), kShared, "", { "factor de área de la ropa", "clothing area factor" } },
    { KALVORA_KEY(TRM), kShared, "°C",
        { "temperatura radiante media", "mean radiant temperature" } },
    { KALVORA_KEY(toperativa), kShared, "°C",
        { "temperatura operativa", "operative temperature" } },
    { KALVORA_KEY(Hrel), kShared, "%", { "humedad relativa", "relative humidity" } },
    { KALVORA_KEY(pvap), kShared, "kPa",
        { "presión parcial del vapor de agua", "partial pressure of water vapour" } },
    { KALVORA_KEY(ttbh), kShared, "°C",
        { "temperatura de bulbo húmedo psicrométrico", "psychrometric wet-bulb temperature" } },
    { KALVORA_KEY(dentrangIVM), kPmv, "",
        { "1 cuando una entrada está fuera del rango de aplicación del IVM, si no 0",
            "1 when an input lies outside the PMV application range, else 0" },
        ExposureMarker::None, Written::WhenSelected },
    { KALVORA_KEY(tclo), kPmv, "°C",
        { "temperatura de la superficie de la ropa (IVM)", "clothing surface temperature (PMV)" } },
    { KALVORA_KEY(hc), kPmv, kCoefficient,
        { "coeficiente de convección (IVM)", "convective heat transfer coefficient (PMV)" } },
    { KALVORA_KEY(IVM), kPmv, "",
        { "índice de valoración media (IVM)", "predicted mean vote (PMV)" } },
    { KALVORA_KEY(PPI), kPmv, "%",
        { "porcentaje previsto de insatisfechos (PPI)",
            "predicted percentage of dissatisfied (PPD)" } },
    { KALVORA_KEY(RIVM), kPmv, kHeatFlow,
        { "intercambio por radiación (IVM)", "radiation heat exchange (PMV)" } },
    { KALVORA_KEY(CIVM), kPmv, kHeatFlow,
        { "intercambio por convección (IVM)", "convection heat exchange (PMV)" } },
    { KALVORA_KEY(EresIVM), kPmv, kHeatFlow,
        { "evaporación respiratoria (IVM)", "respiratory evaporation (PMV)" } },
    { KALVORA_KEY(CresIVM), kPmv, kHeatFlow,
        { "convección respiratoria (IVM)", "respiratory convection (PMV)" } },
    { KALVORA_KEY(EIVM), kPmv, kHeatFlow,
        { "evaporación por la piel (IVM)", "evaporation from the skin (PMV)" } },
    { KALVORA_KEY(AcIVM), kPmv, kHeatFlow, { "calor acumulado (IVM)", "accumulated heat (PMV)" } },
    { KALVORA_KEY(ISC), kHsi, "%", { "índice de sobrecarga calórica", "heat stress index" } },
    { KALVORA_KEY(TEP), kHsi, "min",
        { "tiempo de exposición permitido; solo con ISC por encima de 100 (si no, ilimitado)",
            "allowable exposure time; meaningful only when ISC is above 100 (else unlimited)" },
        ExposureMarker::HeatStress },
    { KALVORA_KEY(RISC), kHsi, kHeatFlow,
        { "intercambio por radiación (ISC)", "radiation heat exchange (HSI)" } },
    { KALVORA_KEY(CISC), kHsi, kHeatFlow,
        { "intercambio por convección (ISC)", "convection heat exchange (HSI)" } },
    { KALVORA_KEY(EISC), kHsi, kHeatFlow, { "evaporación (ISC)", "evaporation (HSI)" } },
    { KALVORA_KEY(AcISC), kHsi, kHeatFlow, { "calor acumulado (ISC)", "accumulated heat (HSI)" } },
    { KALVORA_KEY(EmaxISC), kHsi, kHeatFlow,
        { "capacidad evaporativa máxima (ISC)", "maximal evaporative capacity (HSI)" } },
    { KALVORA_KEY(EreqISC), kHsi, kHeatFlow,
        { "evaporación requerida (ISC)", "required evaporation (HSI)" } },
    { KALVORA_KEY(WBGT), kWbgt, "°C", { "índice WBGT", "wet bulb globe temperature index" } },
    { KALVORA_KEY(CresSW), kSw, kHeatFlow,
        { "convección respiratoria (sudoración requerida)",
            "respiratory convection (required sweat rate)" } },
    { KALVORA_KEY(EresSW), kSw, kHeatFlow,
        { "evaporación respiratoria (sudoración requerida)",
            "respiratory evaporation (required sweat rate)" } },
    { KALVORA_KEY(hconvSW), kSw, kCoefficient,
        { "coeficiente de convección (sudoración requerida)",
            "convective heat transfer coefficient (required sweat rate)" } },
    { KALVORA_KEY(hrSW), kSw, kCoefficient,
        { "coeficiente de radiación (sudoración requerida)",
            "radiative heat transfer coefficient (required sweat rate)" } },
    { KALVORA_KEY(CSW), kSw, kHeatFlow,
        { "convección (sudoración requerida)", "convection (required sweat rate)" } },
    { KALVORA_KEY(RSW), kSw, kHeatFlow,
        { "radiación (sudoración requerida)", "radiation (required sweat rate)" } },
    { KALVORA_KEY(ESW), kSw, kHeatFlow,
        { "evaporación prevista, primer criterio",
            "evaporation predicted for the first criterion" } },
    { KALVORA_KEY(EmaxSW), kSw, kHeatFlow,
        { "evaporación máxima (sudoración requerida)",
            "maximal evaporation (required sweat rate)" } },
    { KALVORA_KEY(AcSW), kSw, kHeatFlow,
        { "calor acumulado (sudoración requerida)", "accumulated heat (required sweat rate)" } },
    { KALVORA_KEY(tpSW), kSw, "°C", { "temperatura media de la piel", "mean skin temperature" } },
};

/// The record's values after the criterion values.
constexpr Row kTrailing[] = {
    { KALVORA_KEY(WCI), kWci, kHeatFlow, { "índice de viento frío", "wind chill index" } },
    { KALVORA_KEY(tch), kWci, "°C", { "temperatura de enfriamiento", "chilling temperature" } },
    { KALVORA_KEY(IREQ1), kIreq, "clo",
        { "aislamiento requerido mínimo (IREQmin)", "minimal required insulation (IREQmin)" } },
    { KALVORA_KEY(IREQ2), kIreq, "clo",
        { "aislamiento requerido neutro (IREQneut)", "neutral required insulation (IREQneut)" } },
    { KALVORA_KEY(DLE1), kIreq, "h",
        { "exposición limitada con el aislamiento IREQmin",
            "duration-limited exposure at the insulation IREQmin" },
        ExposureMarker::RequiredInsulation },
    { KALVORA_KEY(DLE2), kIreq, "h",
        { "exposición limitada con el aislamiento IREQneut",
            "duration-limited exposure at the insulation IREQneut" },
        ExposureMarker::RequiredInsulation },
    { KALVORA_KEY(DLE3), kIreq, "h",
        { "exposición limitada de la ropa llevada, criterio mínimo (DLEmin); ilimitada si la ropa "
          "aísla más que IREQmin",
            "duration-limited exposure of the worn clothing, minimal criteria (DLEmin); unlimited "
            "when it insulates more than IREQmin" },
        ExposureMarker::WornMinimal },
    { KALVORA_KEY(DLE4), kIreq, "h",
        { "exposición limitada de la ropa llevada, criterio neutro (DLEneut); ilimitada si la ropa "
          "aísla más que IREQneut",
            "duration-limited exposure of the worn clothing, neutral criteria (DLEneut); unlimited "
            "when it insulates more than IREQneut" },
        ExposureMarker::WornNeutral },
    { KALVORA_KEY(RIREQ), kIreq, kHeatFlow,
        { "intercambio por radiación (IREQ)", "radiation heat exchange (IREQ)" } },
    { KALVORA_KEY(CIREQ), kIreq, kHeatFlow,
        { "intercambio por convección (IREQ)", "convection heat exchange (IREQ)" } },
    { KALVORA_KEY(EIREQ), kIreq, kHeatFlow, { "evaporación (IREQ)", "evaporation (IREQ)" } },
    { KALVORA_KEY(CresIREQ), kIreq, kHeatFlow,
        { "convección respiratoria (IREQ)", "respiratory convection (IREQ)" } },
    { KALVORA_KEY(EresIREQ), kIreq, kHeatFlow,
        { "evaporación respiratoria (IREQ)", "respiratory evaporation (IREQ)" } },
    { KALVORA_KEY(AcIREQ), kIreq, kHeatFlow,
        { "calor almacenado (IREQ)", "heat storage rate (IREQ)" } },
    { KALVORA_KEY(hcIREQ), kIreq, kCoefficient,
        { "coeficiente de convección (IREQ)", "convective heat transfer coefficient (IREQ)" } },
    { KALVORA_KEY(hrIREQ), kIreq, kCoefficient,
        { "coeficiente de radiación (IREQ)", "radiative heat transfer coefficient (IREQ)" } },
    { KALVORA_KEY(tcloIREQ), kIreq, "°C",
        { "temperatura de la superficie de la ropa (IREQ)",
            "clothing surface temperature (IREQ)" } },
};

/// The ratings, in flag order. Each is one of three levels, named alike in every language.
constexpr Row kRatings[] = {
    { KALVORA_KEY(okIVM), kPmv, "", { "valoración IVM", "PMV rating" } },
    { KALVORA_KEY(okISC), kHsi, "", { "valoración ISC", "HSI rating" } },
    { KALVORA_KEY(okWBGT), kWbgt, "", { "valoración WBGT", "WBGT rating" } },
    { KALVORA_KEY(okSWreq), kSw, "",
        { "valoración de la sudoración requerida", "required sweat rate rating" } },
    { KALVORA_KEY(okIVF), kWci, "", { "valoración del viento frío", "wind chill rating" } },
    { KALVORA_KEY(okIreq), kIreq, "", { "valoración IREQ", "IREQ rating" } },
};
constexpr Caption kRatingLevels { ": 0 verde, 1 naranja, 2 rojo", ": 0 green, 1 orange, 2 red" };

#undef KALVORA_KEY

/// The twenty criterion values: a quantity's prefix followed by a criterion's suffix.
struct CriterionQuantity
{
    std::string_view prefix;
    std::string_view unit;
    Caption meaning;
    SweatCriterionFields::Field SweatCriterionFields::*field; ///< its field in each criterion
    ExposureMarker marker;
};
constexpr CriterionQuantity kQuantities[] = {
    { "wp", "", { "humedad de la piel requerida", "required skin wettedness" },
        &SweatCriterionFields::wp, ExposureMarker::None },
    { "rp", "", { "eficiencia evaporativa de la sudoración", "evaporative efficiency of sweating" },
        &SweatCriterionFields::rp, ExposureMarker::None },
    { "SWp", kHeatFlow, { "sudoración", "sweat rate" }, &SweatCriterionFields::SWp,
        ExposureMarker::None },
    { "Dmax", "W·h/m²", { "pérdida máxima de agua", "maximal water loss" },
        &SweatCriterionFields::Dmax, ExposureMarker::None },
    { "DLE", "min",
        { "tiempo de exposición permitido (−1: ilimitado)",
            "allowable exposure time (−1: unlimited)" },
        &SweatCriterionFields::DLE, ExposureMarker::SweatRate },
};
constexpr Caption kCriterionMeanings[] = {
    { "alarma, no aclimatados", "alarm, non-acclimatized" },
    { "peligro, no aclimatados", "danger, non-acclimatized" },
    { "alarma, aclimatados", "alarm, acclimatized" },
    { "peligro, aclimatados", "danger, acclimatized" },
};
constexpr std::string_view kCriterionSuffixes[] = { "naa", "nap", "aa", "ap" };
static_assert(std::size(kCriterionSuffixes) == kSweatCriteria.size());

std::optional<double> pmvOutOfRange(const MethodResults &, const Evaluation &evaluation)
{
    return evaluation.pmvOutOfRange ? 1.0 : 0.0;
}

/// The record's values are shown in the common pattern "#,##0.00" (a window that lays one out
/// otherwise says so in its own table: the report's mean radiant temperature, the sweep's
/// columns); ratings and flags are whole numbers.
constexpr NumberPattern patternOf(ResultKind kind)
{
    return kind == ResultKind::Value ? NumberPattern::Grouped2 : NumberPattern::General;
}

ResultEntry entryOf(const Row &row, ResultKind kind, Written written)
{
    return { std::string(row.key), kind, row.method, written, row.unit,
        { row.meaning.es, row.meaning.en }, patternOf(kind), row.marker, row.source };
}

void addValues(std::span<const Row> rows, std::vector<ResultEntry> &entries)
{
    for (const Row &row : rows)
        entries.push_back(entryOf(row, ResultKind::Value,
            row.written.value_or(row.method ? Written::WhenRun : Written::Shared)));
}

std::vector<ResultEntry> buildCatalogue()
{
    std::vector<ResultEntry> entries;
    addValues(kLeading, entries);
    for (const CriterionQuantity &quantity : kQuantities) {
        for (std::size_t c = 0; c < kSweatCriteria.size(); ++c) {
            const Caption criterion = kCriterionMeanings[c];
            entries.push_back({ std::string(quantity.prefix) + std::string(kCriterionSuffixes[c]),
                ResultKind::Value, Method::SwReq, Written::WhenRun, quantity.unit,
                { std::string(quantity.meaning.es) + " (" + criterion.es + ")",
                    std::string(quantity.meaning.en) + " (" + criterion.en + ")" },
                patternOf(ResultKind::Value), quantity.marker,
                sweatCriterionFields(kSweatCriteria[c]).*quantity.field });
        }
    }
    addValues(kTrailing, entries);
    for (const Row &rating : kRatings) {
        ResultEntry entry = entryOf(rating, ResultKind::Rating, Written::WhenRun);
        for (const Language language : { Language::Spanish, Language::English })
            entry.meaning[static_cast<std::size_t>(language)]
                += inLanguage(kRatingLevels, language);
        entries.push_back(std::move(entry));
    }
    entries.push_back({ "pmvOutOfRange", ResultKind::Flag, std::nullopt, Written::Always, "",
        { "true cuando el IVM se desactivó por estar fuera de su rango de aplicación",
            "true when PMV was switched off, its inputs being outside its application range" },
        patternOf(ResultKind::Flag), ExposureMarker::None, pmvOutOfRange });
    return entries;
}

} // namespace

std::span<const ResultEntry> resultCatalogue()
{
    static const std::vector<ResultEntry> entries = buildCatalogue();
    return entries;
}

const ResultEntry *findResult(std::string_view key)
{
    const auto entries = resultCatalogue();
    const auto found = std::find_if(
        entries.begin(), entries.end(), [key](const ResultEntry &e) { return e.key == key; });
    return found == entries.end() ? nullptr : &*found;
}

const ResultEntry &resultEntry(std::string_view key)
{
    if (const ResultEntry *entry = findResult(key))
        return *entry;
    throw std::out_of_range("no result key " + std::string(key));
}

const ResultEntry &ratingEntry(Method method)
{
    static const std::array<const ResultEntry *, kMethodCount> ratings = [] {
        std::array<const ResultEntry *, kMethodCount> found {};
        for (const ResultEntry &entry : resultCatalogue())
            if (entry.kind == ResultKind::Rating)
                found[static_cast<std::size_t>(*entry.method)] = &entry;
        return found;
    }();
    return *ratings[static_cast<std::size_t>(method)];
}

bool marksUnlimitedExposure(
    const ResultEntry &entry, const MethodResults &results, double wornInsulation)
{
    const std::optional<double> time = entry.read(results, Evaluation());
    switch (entry.marker) {
    case ExposureMarker::None:
        return false;
    case ExposureMarker::HeatStress:
        return !isHeatStressExposureLimited(results.ISC, time);
    case ExposureMarker::SweatRate:
        return !isSweatExposureLimited(*time);
    case ExposureMarker::RequiredInsulation:
        return !time;
    case ExposureMarker::WornMinimal:
        return !isInsulationExposureLimited(time, wornInsulation, results.IREQ1);
    case ExposureMarker::WornNeutral:
        return !isInsulationExposureLimited(time, wornInsulation, results.IREQ2);
    }
    return false;
}

EvaluationScope::EvaluationScope(const Evaluation &evaluation, const InputParameters &given)
    : m_evaluated(true)
    , m_shared(!evaluation.fault || evaluation.fault->method.has_value())
    , m_complete(!evaluation.fault)
    , m_finished(evaluation.ran)
{
    for (const Method method : kAllMethods)
        m_selected[index(method)] = given.method(method);
}

} // namespace kalvora::model
