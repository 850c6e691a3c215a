#include "fault.h"

#include <cmath>

namespace kalvora::engine {

double checked(const char *step, double value)
{
    if (std::isfinite(value)) [[likely]]
        return value;
    throw ArithmeticFault(std::isnan(value) ? FaultKind::InvalidOperation : FaultKind::Overflow, step);
}

double divide(const char *step, double numerator, double denominator)
{
    if (denominator == 0.0) [[unlikely]]
        throw ArithmeticFault(FaultKind::DivisionByZero, step);
    return checked(step, numerator / denominator);
}

void notConverged(const char *step)
{
    throw ArithmeticFault(FaultKind::NoConvergence, step);
}

} // namespace kalvora::engine
