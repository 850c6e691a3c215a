#include "sweep.h"

#include "engine/heat_stress_index.h"
#include "engine/pmv.h"
#include "engine/psychrometrics.h"
#include "engine/required_insulation.h"
#include "engine/required_sweat_rate.h"
#include "engine/wbgt.h"
#include "engine/wind_chill.h"
#include "evaluation_stage.h"
#include "ratings.h"

#include <algorithm>

namespace kalvora::model {

using detail::used;

double sweptVelocity(int i)
{
    if (i <= 5)
        return 0.05 * i + 0.05;
    if (i <= 12)
        return 0.1 * (i - 5) + sweptVelocity(5);
    return 0.5 * (i - 12) + 1;
}

namespace {

using Rows = std::array<SweepRow, kSweepRowsComputed>;

/// What every row shares: the inputs read once, and the hub's values (pvap, fclo, TRM, var).
struct Fixed
{
    const InputParameters &input;
    const MethodResults &hub;
    double M, ta;
};

/// Velocity, relative velocity and, while the radiation group takes part, the mean radiant
/// temperature of each row (from the globe at that velocity, or the typed value).
void velocities(const Fixed &f, Rows &rows)
{
    const bool radiation = f.input.groupEnabled(OptionGroup::Radiacion);
    const bool globe = f.input.enabled(Field::tglobo);
    for (int i = 0; i < kSweepRowsComputed; ++i) {
        SweepRow &row = rows[i];
        row.va = sweptVelocity(i);
        row.var = engine::RelativeAirVelocity({ .airVelocity = row.va, .metabolicRate = f.M });
        if (radiation)
            row.tr = globe ? engine::MeanRadiantFromGlobe({ .airVelocity = row.va,
                         .airTemperature = f.ta,
                         .globeTemperature = used(f.input, Field::tglobo) })
                           : used(f.input, Field::TRMedia);
    }
}

/// The exchange of one row, at its velocity and mean radiant temperature, with the hub's pvap.
engine::Exchange exchange(const Fixed &f, double Icl, const SweepRow &row)
{
    return { .metabolicRate = f.M,
        .clothingInsulation = Icl,
        .airTemperature = f.ta,
        .meanRadiantTemperature = row.tr,
        .vapourPressure = f.hub.pvap,
        .airVelocity = row.va };
}

/// PMV with the hub's fclo and pvap, no application-range check per row.
void sweepPmv(const Fixed &f, Rows &rows)
{
    const double Icl = used(f.input, Field::Iclo);
    for (SweepRow &row : rows) {
        const engine::ComfortConditions conditions { .metabolicRate = f.M,
            .clothingInsulation = Icl,
            .clothingAreaFactor = f.hub.fclo,
            .airTemperature = f.ta,
            .meanRadiantTemperature = row.tr,
            .vapourPressure = f.hub.pvap,
            .relativeAirVelocity = row.var };
        const engine::PmvBalance b
            = engine::FangerPmv(conditions, engine::ClothingSurfaceTemperature(conditions));
        row.IVM = b.PMV;
        row.PPI = b.PPD;
        row.okIVM = RatePmv(row.IVM);
    }
}

void sweepHsi(const Fixed &f, Rows &rows)
{
    const double Icl = used(f.input, Field::Iclo);
    for (SweepRow &row : rows) {
        const engine::HeatStress h = engine::HeatStressIndex(exchange(f, Icl, row));
        row.ISC = h.ISC;
        row.TEP = h.TEP;
        row.okISC = RateHeatStress(row.ISC);
    }
}

/// No input of the index depends on the air velocity: every row holds the same value.
void sweepWbgt(const Fixed &f, Rows &rows)
{
    const engine::WbgtReadings readings { .naturalWetBulbTemperature = used(f.input, Field::tbhn),
        .globeTemperature = used(f.input, Field::tglobo),
        .airTemperature = f.ta,
        .solarLoad = f.input.selected(OptionGroup::Radsolar) == 0 };
    for (SweepRow &row : rows) {
        row.WBGT = engine::WbgtIndex(readings);
        row.okWBGT = RateWbgt({ .WBGT = row.WBGT, .metabolicRate = f.M });
    }
}

/// Each row's tr and va; the convective coefficient and the vapour pressure stay those of the
/// hub's evaluation (its var and pvap), as the method reads them from the record.
void sweepSweat(const Fixed &f, Rows &rows)
{
    using engine::SweatCriterion;
    const double Icl = used(f.input, Field::Iclo);
    const auto posture = static_cast<engine::Posture>(f.input.selected(OptionGroup::postura));
    for (SweepRow &row : rows) {
        const engine::SweatRate s = engine::RequiredSweatRate({ .exchange = exchange(f, Icl, row),
            .relativeAirVelocity = f.hub.var,
            .posture = posture });
        const engine::PredictedSweat &alarm = s.criteria[SweatCriterion::AlarmNonAcclimatized];
        row.wp = alarm.wp;
        row.SWp = alarm.SWp;
        row.DLEnaa = alarm.DLE;
        row.DLEaa = s.criteria[SweatCriterion::AlarmAcclimatized].DLE;
        row.Ac = s.Ac;
        row.okSWreq = RateSweat({ .DLEnaa = row.DLEnaa, .DLEaa = row.DLEaa });
    }
}

void sweepWindChill(const Fixed &f, Rows &rows)
{
    for (SweepRow &row : rows) {
        const engine::WindChill w
            = engine::WindChillIndex({ .relativeAirVelocity = row.var, .airTemperature = f.ta });
        row.WCI = w.WCI;
        row.tch = w.tch;
        row.okIVF = RateWindChill(row.tch);
    }
}

/// The hub's TRM in every row, not the row's tr.
void sweepIreq(const Fixed &f, Rows &rows)
{
    const double Icl = used(f.input, Field::Iclo);
    for (SweepRow &row : rows) {
        const engine::RequiredInsulationLevels q = engine::RequiredInsulationOnly({
            .metabolicRate = f.M,
            .clothingInsulation = Icl,
            .airTemperature = f.ta,
            .meanRadiantTemperature = f.hub.TRM,
            .vapourPressure = f.hub.pvap,
            .airVelocity = row.va,
        });
        row.IREQmin = q.minimal;
        row.IREQneut = q.neutral;
        row.okIreq = RateInsulation(Icl, row.IREQmin, row.IREQneut);
    }
}

struct MethodSweep
{
    void (*run)(const Fixed &, Rows &);
    std::int16_t SweepRow::*rating;
};

/// The methods in flag order.
constexpr MethodSweep kMethods[kMethodCount] = {
    { sweepPmv, &SweepRow::okIVM },
    { sweepHsi, &SweepRow::okISC },
    { sweepWbgt, &SweepRow::okWBGT },
    { sweepSweat, &SweepRow::okSWreq },
    { sweepWindChill, &SweepRow::okIVF },
    { sweepIreq, &SweepRow::okIreq },
};

} // namespace

Sweep AirVelocitySweep(const InputParameters &input, const MethodResults &results)
{
    Sweep sweep;
    Rows rows {};
    for (const Method method : kAllMethods)
        sweep.methods[static_cast<std::size_t>(method)] = input.method(method);

    Fixed fixed { input, results, 0, 0 };
    sweep.fault = detail::guarded(std::nullopt, [&] {
        fixed.M = used(input, Field::Metabolismo);
        fixed.ta = used(input, Field::Taseco);
        velocities(fixed, rows);
    });
    for (const Method method : kAllMethods) {
        const auto m = static_cast<std::size_t>(method);
        if (sweep.fault)
            break;
        if (sweep.methods[m])
            sweep.fault = detail::guarded(method, [&] { kMethods[m].run(fixed, rows); });
    }
    std::copy_n(rows.begin(), kSweepRowsShown, sweep.rows.begin());
    if (sweep.fault)
        return sweep;

    // Row colour: the largest rating among the methods that take part.
    for (SweepRow &row : sweep.rows) {
        for (int m = 0; m < kMethodCount; ++m)
            if (sweep.methods[m])
                row.code = std::max(row.code, row.*kMethods[m].rating);
    }
    return sweep;
}

} // namespace kalvora::model
