#include "exposure.h"

namespace kalvora::model {

bool isHeatStressExposureLimited(double ISC, const std::optional<double> &TEP)
{
    return ISC > 100 && TEP.has_value();
}

bool isSweatExposureLimited(double DLE)
{
    return DLE > kNegligibleSweatExposure;
}

bool isInsulationExposureLimited(const std::optional<double> &DLE, double Iclr, double IREQ)
{
    return DLE.has_value() && Iclr <= IREQ;
}

} // namespace kalvora::model
