#include "sweat_criteria.h"

namespace kalvora::model {

namespace {

// Water evaporated per hour by one W/m² of sweat over a body of 1.8 m², with a latent heat of
// about 2.5 kJ/g: 1.8 · 3600 / 2500 ≈ 2.6 g/h.
constexpr double kWaterLossPerSweatRate = 2.6;

/// wp, rp, SWp, Dmax, DLE of a criterion, as the record stores them.
SweatCriterionValues stored(const MethodResults &r, SweatCriterion criterion)
{
    switch (criterion) {
    case SweatCriterion::naa:
        return { r.wpnaa, r.rpnaa, r.SWpnaa, r.Dmaxnaa, r.DLEnaa, 0, 0 };
    case SweatCriterion::nap:
        return { r.wpnap, r.rpnap, r.SWpnap, r.Dmaxnap, r.DLEnap, 0, 0 };
    case SweatCriterion::aa:
        return { r.wpaa, r.rpaa, r.SWpaa, r.Dmaxaa, r.DLEaa, 0, 0 };
    case SweatCriterion::ap:
        return { r.wpap, r.rpap, r.SWpap, r.Dmaxap, r.DLEap, 0, 0 };
    }
    return {};
}

} // namespace

SweatCriterionValues sweatCriterion(const MethodResults &results, SweatCriterion criterion)
{
    SweatCriterionValues values = stored(results, criterion);
    values.Ep = values.wp * results.EmaxSW;
    values.D = values.SWp * kWaterLossPerSweatRate;
    return values;
}

} // namespace kalvora::model
