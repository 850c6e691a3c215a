#include "sweat_criteria.h"

namespace kalvora::model {

namespace {

// Water evaporated per hour by one W/m² of sweat over a body of 1.8 m², with a latent heat of
// about 2.5 kJ/g: 1.8 · 3600 / 2500 ≈ 2.6 g/h.
constexpr double kWaterLossPerSweatRate = 2.6;

using R = MethodResults;
constexpr engine::PerSweatCriterion<SweatCriterionFields> kFields { {
    SweatCriterionFields { &R::wpnaa, &R::rpnaa, &R::SWpnaa, &R::Dmaxnaa, &R::DLEnaa },
    SweatCriterionFields { &R::wpnap, &R::rpnap, &R::SWpnap, &R::Dmaxnap, &R::DLEnap },
    SweatCriterionFields { &R::wpaa, &R::rpaa, &R::SWpaa, &R::Dmaxaa, &R::DLEaa },
    SweatCriterionFields { &R::wpap, &R::rpap, &R::SWpap, &R::Dmaxap, &R::DLEap },
} };

} // namespace

const SweatCriterionFields &sweatCriterionFields(SweatCriterion criterion)
{
    return kFields[criterion];
}

SweatCriterionValues sweatCriterion(const MethodResults &results, SweatCriterion criterion)
{
    const SweatCriterionFields &fields = kFields[criterion];
    const double wp = results.*fields.wp;
    const double SWp = results.*fields.SWp;
    return { wp, results.*fields.rp, SWp, results.*fields.Dmax, results.*fields.DLE,
        wp * results.EmaxSW, SWp * kWaterLossPerSweatRate };
}

} // namespace kalvora::model
