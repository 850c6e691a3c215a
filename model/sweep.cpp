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
        row.var = engine::RelativeAirVelocity(row.va, f.M);
        if (radiation)
            row.tr = globe
                ? engine::MeanRadiantFromGlobe(row.va, f.ta, used(f.input, Field::tglobo))
                : used(f.input, Field::TRMedia);
    }
}

/// PMV with the hub's fclo and pvap, no application-range check per row.
void sweepPmv(const Fixed &f, Rows &rows)
{
    const double Icl = used(f.input, Field::Iclo);
    for (SweepRow &row : rows) {
        const engine::ClothingSurface s
            = engine::ClothingSurfaceTemperature(f.M, Icl, row.tr, f.ta, f.hub.fclo, row.var);
        const engine::PmvBalance b
            = engine::FangerPmv(f.M, f.hub.pvap, f.ta, s.tcl, s.hc, f.hub.fclo, row.tr);
        row.IVM = b.PMV;
        row.PPI = b.PPD;
        row.okIVM = RatePmv(row.IVM);
    }
}

void sweepHsi(const Fixed &f, Rows &rows)
{
    const double Icl = used(f.input, Field::Iclo);
    for (SweepRow &row : rows) {
        const engine::HeatStress h
            = engine::HeatStressIndex(Icl, row.va, f.ta, row.tr, f.hub.pvap, f.M);
        row.ISC = h.ISC;
        row.TEP = h.TEP;
        row.okISC = RateHeatStress(row.ISC);
    }
}

/// No input of the index depends on the air velocity: every row holds the same value.
void sweepWbgt(const Fixed &f, Rows &rows)
{
    const double tnw = used(f.input, Field::tbhn), tg = used(f.input, Field::tglobo);
    const bool outdoors = f.input.selected(OptionGroup::Radsolar) == 0;
    for (SweepRow &row : rows) {
        row.WBGT = engine::WbgtIndex(tnw, tg, f.ta, outdoors);
        row.okWBGT = RateWbgt(row.WBGT, f.M);
    }
}

/// Each row's tr and va; the convective coefficient and the vapour pressure stay those of the
/// hub's evaluation (its var and pvap), as the method reads them from the record.
void sweepSweat(const Fixed &f, Rows &rows)
{
    const engine::SweatContext context { f.ta, used(f.input, Field::Iclo),
        static_cast<engine::Posture>(f.input.selected(OptionGroup::postura)), f.hub.pvap,
        f.hub.var };
    constexpr int kWp = 0, kSWp = 2, kDle = 4, kNaa = 0, kAa = 2;
    for (SweepRow &row : rows) {
        const engine::SweatRate s = engine::RequiredSweatRate(row.tr, row.va, f.M, context);
        row.wp = s.swCriteria[kWp][kNaa];
        row.SWp = s.swCriteria[kSWp][kNaa];
        row.DLEnaa = s.swCriteria[kDle][kNaa];
        row.DLEaa = s.swCriteria[kDle][kAa];
        row.Ac = s.Ac;
        row.okSWreq = RateSweat(row.DLEnaa, row.DLEaa);
    }
}

void sweepWindChill(const Fixed &f, Rows &rows)
{
    for (SweepRow &row : rows) {
        const engine::WindChill w = engine::WindChillIndex(row.var, f.ta);
        row.WCI = w.WCI;
        row.tch = w.tch;
        row.okIVF = RateWindChill(row.tch);
    }
}

/// The hub's TRM in every row, not the row's tr.
void sweepIreq(const Fixed &f, Rows &rows)
{
    const double Icl = used(f.input, Field::Iclo);
    constexpr int kIreq = 7, kMinimal = 0, kNeutral = 1;
    for (SweepRow &row : rows) {
        const engine::RequiredInsulationResult q
            = engine::RequiredInsulation(f.M, f.ta, f.hub.pvap, row.va, f.hub.TRM, Icl);
        row.IREQmin = q.ireqTerms.at(kMinimal, kIreq);
        row.IREQneut = q.ireqTerms.at(kNeutral, kIreq);
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
