#include "heat_balance.h"

#include <cmath>

namespace kalvora::model {

namespace {
constexpr double kBalanceTolerance = 0.001; // W/m²
}

bool InThermalBalance(double A)
{
    return std::abs(A) < kBalanceTolerance;
}

} // namespace kalvora::model
