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

namespace kalvora::model {

using detail::used;

namespace {

/// The inputs every evaluation uses, read once with the shared values.
struct BaseInputs
{
    double M = 0, ta = 0, va = 0, Icl = 0;
};

/// Relative air velocity, clothing area factor, mean radiant temperature (only while the
/// radiation group takes part; otherwise TRM keeps the previous evaluation's value), operative
/// temperature and the humidity triple from whichever humidity input is selected.
void sharedValues(const InputParameters &input, MethodResults &r, BaseInputs &in)
{
    in.va = used(input, Field::vaire);
    in.M = used(input, Field::Metabolismo);
    r.var = engine::RelativeAirVelocity(in.va, in.M);
    in.Icl = used(input, Field::Iclo);
    r.fclo = engine::ClothingAreaFactor(in.Icl);
    in.ta = used(input, Field::Taseco);
    if (input.groupEnabled(OptionGroup::Radiacion)) {
        r.TRM = input.enabled(Field::tglobo)
            ? engine::MeanRadiantFromGlobe(in.va, in.ta, used(input, Field::tglobo))
            : used(input, Field::TRMedia);
    }
    r.toperativa = engine::OperativeTemperature(r.var, in.ta, r.TRM);
    const int option = input.selected(OptionGroup::humedad);
    const double given = used(input, selectedBox(input, OptionGroup::humedad));
    const engine::Humidity humidity = engine::ComputeHumidity(option == 0 ? given : 0,
        option == 2 ? given : 0, option == 1 ? given : 0, in.ta, option == 0, option == 1);
    r.Hrel = humidity.Hrel;
    r.pvap = humidity.pvap;
    r.ttbh = humidity.ttbh;
}

/// PMV after its application-range check; false when the inputs are outside the range.
bool runPmv(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    const bool inside = PmvInRange(in.M, in.Icl, in.ta, r.TRM, r.var, r.pvap);
    r.dentrangIVM = inside ? 0 : 1;
    if (!inside)
        return false;
    const engine::ClothingSurface surface
        = engine::ClothingSurfaceTemperature(in.M, in.Icl, r.TRM, in.ta, r.fclo, r.var);
    r.tclo = surface.tcl;
    r.hc = surface.hc;
    const engine::PmvBalance b
        = engine::FangerPmv(in.M, r.pvap, in.ta, r.tclo, r.hc, r.fclo, r.TRM);
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
    const engine::HeatStress h = engine::HeatStressIndex(in.Icl, in.va, in.ta, r.TRM, r.pvap, in.M);
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
    r.WBGT = engine::WbgtIndex(used(input, Field::tbhn), used(input, Field::tglobo), in.ta,
        input.selected(OptionGroup::Radsolar) == 0);
    return true;
}

using Criterion = double MethodResults::*;

/// swCriteria row by row (wp, rp, SWp, Dmax, DLE), columns naa, nap, aa, ap.
constexpr Criterion kCriterionFields[5][4] = {
    { &MethodResults::wpnaa, &MethodResults::wpnap, &MethodResults::wpaa, &MethodResults::wpap },
    { &MethodResults::rpnaa, &MethodResults::rpnap, &MethodResults::rpaa, &MethodResults::rpap },
    { &MethodResults::SWpnaa, &MethodResults::SWpnap, &MethodResults::SWpaa,
        &MethodResults::SWpap },
    { &MethodResults::Dmaxnaa, &MethodResults::Dmaxnap, &MethodResults::Dmaxaa,
        &MethodResults::Dmaxap },
    { &MethodResults::DLEnaa, &MethodResults::DLEnap, &MethodResults::DLEaa,
        &MethodResults::DLEap },
};

bool runSweat(const InputParameters &input, const BaseInputs &in, MethodResults &r)
{
    const engine::SweatContext context { in.ta, in.Icl,
        static_cast<engine::Posture>(input.selected(OptionGroup::postura)), r.pvap, r.var };
    const engine::SweatRate s = engine::RequiredSweatRate(r.TRM, in.va, in.M, context);
    r.CresSW = s.Cres;
    r.EresSW = s.Eres;
    r.hconvSW = s.hc;
    r.hrSW = s.hr;
    r.CSW = s.C;
    r.RSW = s.R;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 4; ++column)
            r.*kCriterionFields[row][column] = s.swCriteria[row][column];
    r.EmaxSW = s.Emax;
    r.ESW = s.E;
    r.AcSW = s.Ac;
    r.tpSW = s.tsk;
    return true;
}

bool runWindChill(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    // The relative, not the measured, air velocity.
    const engine::WindChill w = engine::WindChillIndex(r.var, in.ta);
    r.WCI = w.WCI;
    r.tch = w.tch;
    return true;
}

/// The worn-clothing terms are those of case 2 (worn clothing, minimal criteria).
bool runIreq(const InputParameters &, const BaseInputs &in, MethodResults &r)
{
    const engine::RequiredInsulationResult q
        = engine::RequiredInsulation(in.M, in.ta, r.pvap, in.va, r.TRM, in.Icl);
    const engine::IreqTerms &t = q.ireqTerms;
    constexpr int kWorn = 2, kDle = 6, kIreq = 7;
    r.RIREQ = t.at(kWorn, 0);
    r.CIREQ = t.at(kWorn, 1);
    r.EIREQ = t.at(kWorn, 2);
    r.CresIREQ = t.at(kWorn, 3);
    r.EresIREQ = t.at(kWorn, 4);
    r.AcIREQ = t.at(kWorn, 5);
    std::optional<double> *const dle[engine::kIreqCases] = { &r.DLE1, &r.DLE2, &r.DLE3, &r.DLE4 };
    for (int c = 0; c < engine::kIreqCases; ++c)
        *dle[c] = t.dleUnlimited[c] ? std::nullopt : std::optional<double>(t.at(c, kDle));
    r.IREQ1 = t.at(0, kIreq);
    r.IREQ2 = t.at(1, kIreq);
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
        r.okWBGT = RateWbgt(r.WBGT, in.M);
        return;
    case Method::SwReq:
        r.okSWreq = RateSweat(r.DLEnaa, r.DLEaa);
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

bool PmvInRange(double M, double Icl, double ta, double TRM, double var, double pvap)
{
    RangeValues values;
    values.M = M;
    values.Icl = Icl;
    values.ta = ta;
    values.TRM = TRM;
    values.var = var;
    values.pvap = pvap;
    return !outOfRange(Method::Pmv, values);
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
