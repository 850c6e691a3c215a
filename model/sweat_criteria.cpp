#include "sweat_criteria.h"

namespace kalvora::model {

namespace {

// Water evaporated per hour by one W/m² of sweat over a body of 1.8 m², with a latent heat of
// about 2.5 kJ/g: 1.8 · 3600 / 2500 ≈ 2.6 g/h.
constexpr double kWaterLossPerSweatRate = 2.6;

struct Stored
{
    double wp, SWp, DLE;
};

Stored stored(const MethodResults &r, SweatCriterion criterion)
{
    switch (criterion) {
    case SweatCriterion::naa:
        return { r.wpnaa, r.SWpnaa, r.DLEnaa };
    case SweatCriterion::nap:
        return { r.wpnap, r.SWpnap, r.DLEnap };
    case SweatCriterion::aa:
        return { r.wpaa, r.SWpaa, r.DLEaa };
    case SweatCriterion::ap:
        return { r.wpap, r.SWpap, r.DLEap };
    }
    return { 0, 0, 0 };
}

} // namespace

SweatCriterionValues sweatCriterion(const MethodResults &results, SweatCriterion criterion)
{
    const Stored s = stored(results, criterion);
    return { s.wp, s.wp * results.EmaxSW, s.SWp, s.SWp * kWaterLossPerSweatRate, s.DLE };
}

} // namespace kalvora::model
