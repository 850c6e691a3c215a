#pragma once
// Cubes and fourth powers of absolute temperatures (K) and fourth roots: the same double as
// pow(x, 3), pow(x, 4) and pow(x, 0.25), at a small part of pow's cost. x² is carried as the pair p
// + e, where e = x·x − p is the rounding error of p = x·x (exact by fused multiply-add); the power
// is formed from the pair with about 104 significant bits and rounded in one last addition. That is
// the double nearest to the exact power, which pow returns too: glibc's pow is within 0.52 units in
// the last place (ulp) of it, so it can round the other way only where the exact power lies within
// 0.02 ulp of the midpoint between two doubles. There, and outside the range where the pair is
// exact (tiny or overflowing powers), the power is left to pow itself. A fourth root starts from
// two square roots, r, and corrects r by (x − r⁴)/(4·r³) with r⁴ formed as above.

#include <bit>
#include <cmath>
#include <cstdint>

namespace kalvora::engine {

namespace detail {

/// high + low rounded once where that rounding is clear of a midpoint; otherwise pow(x, n).
// high and low are the two halves of one exact power, x and n pow's own arguments in pow's order.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
inline double nearestOrPow(double high, double low, double x, double n)
{
    constexpr std::uint64_t kExponent = 0x7ff0000000000000;
    constexpr std::uint64_t kFraction = 0x000fffffffffffff;
    if (!(std::fabs(high) > 0x1p-900 && std::fabs(high) < 0x1p+1000)) [[unlikely]]
        return std::pow(x, n);
    const double nearest = high + low;
    const double rest = (high - nearest) + low; // exact power − nearest, to about 2⁻¹⁰⁰ of it
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(nearest);
    const double ulp = std::bit_cast<double>(bits & kExponent) * 0x1p-52;
    // At a power of two the gap below is half the ulp above: left to pow as well.
    if (std::fabs(rest) > 0.48 * ulp || (bits & kFraction) == 0) [[unlikely]]
        return std::pow(x, n);
    return nearest;
}

} // namespace detail

/// x³, the double pow(x, 3) returns.
inline double roundedCube(double x)
{
    const double p = x * x;
    const double e = std::fma(x, x, -p);
    const double high = p * x;
    return detail::nearestOrPow(high, std::fma(p, x, -high) + e * x, x, 3);
}

/// x⁴, the double pow(x, 4) returns.
inline double roundedFourthPower(double x)
{
    const double p = x * x;
    const double e = std::fma(x, x, -p);
    const double high = p * p;
    // (p + e)² = p² + 2·p·e + e²; e² is below 2⁻¹⁰⁴ of p² and left out.
    return detail::nearestOrPow(high, std::fma(p, p, -high) + 2.0 * p * e, x, 4);
}

/// x^0.25 for x > 0, the double pow(x, 0.25) returns.
inline double roundedFourthRoot(double x)
{
    if (!(x > 0x1p-900 && x < 0x1p+1000)) [[unlikely]]
        return std::pow(x, 0.25);
    const double r = std::sqrt(std::sqrt(x));
    const double p = r * r;
    const double e = std::fma(r, r, -p);
    const double high = p * p;
    const double low = std::fma(p, p, -high) + 2.0 * p * e; // r⁴ = high + low
    return detail::nearestOrPow(r, ((x - high) - low) / (4.0 * p * r), x, 0.25);
}

} // namespace kalvora::engine
