#include "evaluation.h"

#include "application_ranges.h"
#include "caption.h"
#include "engine/heat_stress_index.h"
#include "engine/pmv.h"
#include "engine/psychrometrics.h"
#include "engine/required_insulation.h"
#include "engine/required_sweat_rate.h"
#include "engine/wbgt.h"
#include "engine/wind_chill.h"
#include "evaluation_stage.h"
#include "field_caption.h"
#include "option_boxes.h"
#include "ratings.h"
#include "sweat_criteria.h"

namespace kalvora::model {

using detail::used;

namespace {

/// The inputs every evaluation uses, read once with the shared values.
struct BaseInputs
{
    double M = 0, ta = 0, va = 0, Icl = 0;
};

/// The member of the humidity triple each option of humedad gives, in option order.
constexpr engine::HumidityMeasure kHumidityMeasures[] = { engine::HumidityMeasure::RelativeHumidity,
    engine::HumidityMeasure::WetBulbTemperature, engine::HumidityMeasure::VapourPressure };

/// Relative air velocity, clothing area factor, mean radiant temperature (only while the
/// radiation group takes part; otherwise TRM keeps the previous evaluation's value), operative
/// temperature and the humidity triple from whichever humidity input is selected.
void sharedValues(const InputParameters &input, MethodResults &r, BaseInputs &in)
{
    in.va = used(input, Field::vaire);
    in.M = used(input, Field::Metabolismo);
    r.var = engine::RelativeAirVelocity({ .airVelocity = in.va, .metabolicRate = in.M });
    in.Icl = used(input, Field::Iclo);
    r.fclo = engine::ClothingAreaFactor(in.Icl);
    in.ta = used(input, Field::Taseco);
    if (input.groupEnabled(OptionGroup::Radiacion)) {
        if (input.enabled(Field::tglobo))
            r.TRM = engine::MeanRadiantFromGlobe({ .airVelocity = in.va,
                .airTemperature = in.ta,
                .globeTemperature = used(input, Field::tglobo) });
        else
            r.TRM = used(input, Field::TRMedia);
    }
    r.toperativa = engine::OperativeTemperature(
        { .relativeAirVelocity = r.var, .airTemperature = in.ta, .meanRadiantTemperature = r.TRM });
    const engine::Humidity humidity = engine::ComputeHumidity({ .airTemperature = in.ta,
        .measure = kHumidityMeasures[input.selected(OptionGroup::humedad)],
        .value = used(input, selectedBox(input, OptionGroup::humedad)) });
    r.Hrel = humidity.Hrel;
    r.pvap = humidity.pvap;
    r.ttbh = humidity.ttbh;
}

/// The exchange of the heat stress index, the required sweat rate and IREQ: the typed inputs with
/// the mean radiant temperature and the vapour pressure of the shared values.
engine::Exchange exchange(const BaseInputs &in, const MethodResults &r)
{
    return { .metabolicRate = in.M,
        .clothingInsulation = in.Icl,
        .airTemperature = in.ta,
        .meanRadiantTemperature = r.TRM,
        .vapourPressure = r.pvap,
        .airVelocity = in.va };
}

/// PMV after its application-range check; false when the inputs are outside the range.
bool runPmv(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    // The lines of the PMV range test no other quantity.
    const bool inside = !outOfRange(Method::Pmv,
        { .M = in.M, .Icl = in.Icl, .ta = in.ta, .TRM = r.TRM, .var = r.var, .pvap = r.pvap });
    r.dentrangIVM = inside ? 0 : 1;
    if (!inside)
        return false;
    const engine::ComfortConditions conditions { .metabolicRate = in.M,
        .clothingInsulation = in.Icl,
        .clothingAreaFactor = r.fclo,
        .airTemperature = in.ta,
        .meanRadiantTemperature = r.TRM,
        .vapourPressure = r.pvap,
        .relativeAirVelocity = r.var };
    const engine::ClothingSurface surface = engine::ClothingSurfaceTemperature(conditions);
    r.tclo = surface.tcl;
    r.hc = surface.hc;
    const engine::PmvBalance b = engine::FangerPmv(conditions, surface);
    r.IVM = b.PMV;
    r.PPI = b.PPD;
    r.RIVM = b.R;
    r.CIVM = b.C;
    r.EresIVM = b.Eres;
    r.CresIVM = b.Cres;
    r.EIVM = b.Esw;
    r.AcIVM = b.Ac;
    return true;
}

bool runHsi(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    const engine::HeatStress h = engine::HeatStressIndex(exchange(in, r));
    r.ISC = h.ISC;
    r.TEP = h.TEP;
    r.RISC = h.R;
    r.CISC = h.C;
    r.EISC = h.E;
    r.AcISC = h.Ac;
    r.EmaxISC = h.Emax;
    r.EreqISC = h.Ereq;
    return true;
}

bool runWbgt(const InputParameters &input, const BaseInputs &in, MethodResults &r)
{
    // The typed globe temperature, also while the mean radiant temperature is the radiation input.
    r.WBGT = engine::WbgtIndex({ .naturalWetBulbTemperature = used(input, Field::tbhn),
        .globeTemperature = used(input, Field::tglobo),
        .airTemperature = in.ta,
        .solarLoad = input.selected(OptionGroup::Radsolar) == 0 });
    return true;
}

bool runSweat(const InputParameters &input, const BaseInputs &in, MethodResults &r)
{
    const engine::SweatRate s = engine::RequiredSweatRate({ .exchange = exchange(in, r),
        .relativeAirVelocity = r.var,
        .posture = static_cast<engine::Posture>(input.selected(OptionGroup::postura)) });
    r.CresSW = s.Cres;
    r.EresSW = s.Eres;
    r.hconvSW = s.hc;
    r.hrSW = s.hr;
    r.CSW = s.C;
    r.RSW = s.R;
    for (const SweatCriterion criterion : kSweatCriteria) {
        const SweatCriterionFields &fields = sweatCriterionFields(criterion);
        const engine::PredictedSweat &predicted = s.criteria[criterion];
        r.*fields.wp = predicted.wp;
        r.*fields.rp = predicted.rp;
        r.*fields.SWp = predicted.SWp;
        r.*fields.Dmax = engine::sweatLimits[criterion].Dmax;
        r.*fields.DLE = predicted.DLE;
    }
    r.EmaxSW = s.Emax;
    r.ESW = s.E;
    r.AcSW = s.Ac;
    r.tpSW = s.tsk;
    return true;
}

bool runWindChill(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    // The relative, not the measured, air velocity.
    const engine::WindChill w
        = engine::WindChillIndex({ .relativeAirVelocity = r.var, .airTemperature = in.ta });
    r.WCI = w.WCI;
    r.tch = w.tch;
    return true;
}

/// The worn clothing's terms are those of the minimal criteria; DLE1 and DLE2 are the exposures at
/// the required insulations, DLE3 and DLE4 those of the clothing worn.
bool runIreq(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    const engine::RequiredInsulationResult q = engine::RequiredInsulation(exchange(in, r));
    const engine::InsulationBalance &worn = q.minimal.worn;
    r.RIREQ = worn.R;
    r.CIREQ = worn.C;
    r.EIREQ = worn.E;
    r.CresIREQ = q.Cres;
    r.EresIREQ = q.Eres;
    r.AcIREQ = worn.S;
    r.DLE1 = q.minimal.required.DLE;
    r.DLE2 = q.neutral.required.DLE;
    r.DLE3 = worn.DLE;
    r.DLE4 = q.neutral.worn.DLE;
    r.IREQ1 = q.minimal.IREQ;
    r.IREQ2 = q.neutral.IREQ;
    r.hrIREQ = q.hr;
    r.hcIREQ = q.hc;
    r.tcloIREQ = q.tcl;
    return true;
}

using Run = bool (*)(const InputParameters &, const BaseInputs &, MethodResults &);

/// The methods in flag order.
constexpr Run kRuns[kMethodCount] = { runPmv, runHsi, runWbgt, runSweat, runWindChill, runIreq };

/// The rating of one method from the record's current values.
void rate(Method method, const BaseInputs &in, MethodResults &r)
{
    switch (method) {
    case Method::Pmv:
        r.okIVM = RatePmv(r.IVM);
        return;
    case Method::Hsi:
        r.okISC = RateHeatStress(r.ISC);
        return;
    case Method::Wbgt:
        r.okWBGT = RateWbgt({ .WBGT = r.WBGT, .metabolicRate = in.M });
        return;
    case Method::SwReq:
        r.okSWreq = RateSweat({ .DLEnaa = r.DLEnaa, .DLEaa = r.DLEaa });
        return;
    case Method::Wci:
        r.okIVF = RateWindChill(r.tch);
        return;
    case Method::Ireq:
        r.okIreq = RateInsulation(in.Icl, r.IREQ1, r.IREQ2);
        return;
    }
}

} // namespace

Evaluation Evaluate(const InputParameters &input, MethodResults &results)
{
    Evaluation evaluation;
    BaseInputs in;
    evaluation.fault = detail::guarded(std::nullopt, [&] { sharedValues(input, results, in); });
    for (const Method method : kAllMethods) {
        if (evaluation.fault)
            break;
        if (!input.method(method))
            continue;
        const auto m = static_cast<std::size_t>(method);
        evaluation.fault
            = detail::guarded(method, [&] { evaluation.ran[m] = kRuns[m](input, in, results); });
        if (method == Method::Pmv && !evaluation.fault)
            evaluation.pmvOutOfRange = !evaluation.ran[m];
    }
    // All six are rated, selected or not; after a fault only the methods that ran to the end,
    // whose values are this evaluation's, while the others keep the rating they had.
    for (const Method method : kAllMethods)
        if (!evaluation.fault || evaluation.ran[static_cast<std::size_t>(method)])
            rate(method, in, results);
    return evaluation;
}

std::string pmvRangeTitle(Language language)
{
    return inLanguage(
        { "Parámetros fuera del rango del IVM", "Parameters out of PMV rank" }, language);
}

std::string pmvRangeMessage(Language language)
{
    return inLanguage(
        { "Alguno de los parámetros introducidos está fuera del rango de aplicación del Método de "
          "Fanger (IVM). Para evitar errores de divergencia al calcular el valor del índice IVM, "
          "el "
          "método de Fanger se desactiva automáticamente",
            "Some of the introduced parameters are out of Fanger's Method application rank. "
            "Fanger's "
            "Method is automatically turned off." },
        language);
}

namespace {

Caption kindText(engine::FaultKind kind)
{
    switch (kind) {
    case engine::FaultKind::Overflow:
        return { "desbordamiento", "overflow" };
    case engine::FaultKind::DivisionByZero:
        return { "división por cero", "division by zero" };
    case engine::FaultKind::InvalidOperation:
        return { "operación no válida", "invalid operation" };
    case engine::FaultKind::NoConvergence:
        return { "sin convergencia", "no convergence" };
    }
    return { "", "" };
}

/// The field whose internal name is step, if step names a field.
std::optional<Field> fieldNamed(const std::string &step)
{
    for (int f = 0; f < kFieldCount; ++f)
        if (step == InputParameters::name(static_cast<Field>(f)))
            return static_cast<Field>(f);
    return std::nullopt;
}

} // namespace

std::string faultMessage(const EvaluationFault &fault, Language language)
{
    const bool spanish = language == Language::Spanish;
    std::string where;
    Caption label { "paso", "step" };
    // A field is named by the caption the user sees beside it; a formula's step by its symbol.
    std::string step = fault.step;
    const std::optional<Field> field = fault.method ? std::nullopt : fieldNamed(fault.step);
    if (fault.method) {
        where = methodName(*fault.method, language);
    } else if (field) {
        where = inLanguage({ "los valores introducidos", "the input values" }, language);
        label = { "campo", "field" };
        step = fieldCaptionInText(*field, language);
    } else {
        where = inLanguage({ "las magnitudes comunes", "the shared quantities" }, language);
    }
    std::string message = spanish ? "Error aritmético en " : "Arithmetic fault in ";
    message += where;
    message += ", ";
    message += inLanguage(label, language);
    message += " «" + step + "»: ";
    message += inLanguage(kindText(fault.kind), language);
    message += spanish ? ". Se ha detenido la evaluación; cambie los valores y vuelva a cargarlos."
                       : ". The evaluation was stopped; change the values and load them again.";
    return message;
}

std::string faultTitle(Language language)
{
    return inLanguage({ "Error aritmético", "Arithmetic fault" }, language);
}

std::string methodName(Method method, Language language)
{
    switch (method) {
    case Method::Pmv:
        return inLanguage({ "IVM", "PMV" }, language);
    case Method::Hsi:
        return inLanguage({ "ISC", "HSI" }, language);
    case Method::Wbgt:
        return "WBGT";
    case Method::SwReq:
        return "SWreq";
    case Method::Wci:
        return inLanguage({ "IVF", "WCI" }, language);
    case Method::Ireq:
        return "IREQ";
    }
    return "";
}

} // namespace kalvora::model
