#include "shortest_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fmt/format.h>

namespace kalvora::cli {

namespace {

/// Where the digits of the significand end in the working buffer, and the block the copies move:
/// both above the 17 digits of a double's significand.
constexpr int kDigitsEnd = 24;
constexpr int kBlock = 24;

constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233"
                          "34353637383940414243444546474849505152535455565758596061626364656667"
                          "6869707172737475767778798081828384858687888990919293949596979899";

/// The four digits of x < 10000 at to, leading zeros included; x / 100 as a multiply and shift.
void fourDigits(char *to, std::uint32_t x)
{
    const std::uint32_t high = (x * 5243) >> 19;
    std::memcpy(to, kPairs + 2 * high, 2);
    std::memcpy(to + 2, kPairs + 2 * (x - high * 100), 2);
}

/// The eight digits of x < 10^8 at to, leading zeros included.
void eightDigits(char *to, std::uint32_t x)
{
    const std::uint32_t high = x / 10000;
    fourDigits(to, high);
    fourDigits(to + 4, x - high * 10000);
}

/// The decimal digits of 0 < n < 10^17 at the end of the buffer ending at end; returns where
/// they start. Blocks of eight in 32-bit arithmetic: a significand has up to seventeen digits.
const char *digitsBefore(char *end, std::uint64_t n)
{
    constexpr std::uint64_t kEight = 100000000;
    char *start = end - 8;
    if (n < kEight) {
        eightDigits(start, static_cast<std::uint32_t>(n));
    } else {
        const std::uint64_t high = n / kEight;
        eightDigits(start, static_cast<std::uint32_t>(n - high * kEight));
        start -= 8;
        eightDigits(start, static_cast<std::uint32_t>(high % kEight));
        if (high >= kEight)
            *--start = static_cast<char>('0' + high / kEight);
    }
    while (*start == '0')
        ++start;
    return start;
}

} // namespace

char *WriteShortestNumber(char *to, double value)
{
    if (std::signbit(value))
        *to++ = '-';
    if (value == 0) {
        *to++ = '0';
        return to;
    }
    // The shortest digits that read back to the value, nearest to it among those (the digits
    // to_chars chooses too), as significand × 10^exponent with no trailing zero.
    const auto decimal = fmt::detail::dragonbox::to_decimal(std::abs(value));
    // The digits end at a fixed place in a buffer long enough for the fixed-size copies below,
    // which move whole blocks instead of a byte count known only at run time.
    char buffer[kDigitsEnd + kBlock];
    const char *const digits = digitsBefore(buffer + kDigitsEnd, decimal.significand);
    const int count = static_cast<int>(buffer + kDigitsEnd - digits);
    const int exponent = decimal.exponent;

    // Fixed or scientific notation, whichever is shorter; fixed on a tie.
    const int scientificExponent = exponent + count - 1;
    const int scientificLength
        = count + (count > 1 ? 1 : 0) + 2 + (std::abs(scientificExponent) >= 100 ? 3 : 2);
    const int fixedLength = exponent >= 0 ? count + exponent
        : count + exponent > 0            ? count + 1
                                          : 2 - exponent;
    if (fixedLength <= scientificLength) {
        if (exponent >= 0) {
            // A whole number from 2^53 on is written with every digit of its exact value, which
            // the shortest digits padded with zeros are not: rare enough to leave to the library.
            if (exponent > 0 && std::abs(value) >= 0x1p53)
                return std::to_chars(to, to + kShortestRoom, std::abs(value)).ptr;
            std::memcpy(to, digits, kBlock);
            std::memset(to + count, '0', kBlock);
            return to + count + exponent;
        }
        const int whole = count + exponent;
        if (whole > 0) {
            std::memcpy(to, digits, kBlock);
            std::memcpy(to + whole + 1, digits + whole, kBlock);
            to[whole] = '.';
            return to + count + 1;
        }
        std::memcpy(to, "0.00000", 8); // fixed is the shorter with at most three zeros here
        std::memcpy(to + 2 - whole, digits, kBlock);
        return to + 2 - whole + count;
    }
    to[0] = digits[0];
    to[1] = '.';
    std::memcpy(to + 2, digits + 1, kBlock);
    to += count > 1 ? count + 1 : 1;
    *to++ = 'e';
    *to++ = scientificExponent < 0 ? '-' : '+';
    const int magnitude = std::abs(scientificExponent);
    if (magnitude >= 100)
        *to++ = static_cast<char>('0' + magnitude / 100);
    std::memcpy(to, kPairs + 2 * (magnitude % 100), 2);
    return to + 2;
}

char *WriteFixedDecimals(char *to, double value, int decimals)
{
    constexpr std::uint64_t kPowers[] = { 1, 10, 100, 1000, 10000, 100000, 1000000, 10000000,
        100000000, 1000000000, 10000000000, 100000000000, 1000000000000, 10000000000000,
        100000000000000, 1000000000000000, 10000000000000000, 100000000000000000 };
    const double magnitude = std::abs(value);
    // Rounding the shortest digits rounds the exact binary value the same way while the gap
    // between neighbouring doubles (at most magnitude·2^-52) is far below the last decimal kept:
    // no boundary between two roundings then lies between the digits and the value. Beyond that,
    // and on a tie in the digits, the library rounds the exact value.
    const auto exact = [&] {
        return std::to_chars(to, to + kFixedDecimalsRoom, value, std::chars_format::fixed, decimals)
            .ptr;
    };
    if (magnitude == 0 || decimals > 15
        || magnitude * static_cast<double>(kPowers[decimals + 1]) >= 0x1p51)
        return exact();
    const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
    // The value in units of the last decimal kept: below 2^51 / 10 by the test above.
    std::uint64_t units = decimal.significand;
    const int shift = decimal.exponent + decimals;
    if (shift >= 0) {
        units *= kPowers[shift];
    } else if (-shift > 17) {
        units = 0; // every digit lies more than one place below the last decimal kept
    } else {
        const std::uint64_t power = kPowers[-shift];
        const std::uint64_t kept = units / power;
        const std::uint64_t rest = units - kept * power;
        if (2 * rest == power)
            return exact();
        units = kept + (2 * rest > power ? 1 : 0);
    }
    if (std::signbit(value))
        *to++ = '-';
    char buffer[kDigitsEnd + kBlock];
    char *const end = buffer + kDigitsEnd;
    char *digits = end - (units > 0 ? end - digitsBefore(end, units) : 0);
    // At least one digit before the point.
    while (end - digits < decimals + 1)
        *--digits = '0';
    const int whole = static_cast<int>(end - digits) - decimals;
    std::memcpy(to, digits, static_cast<std::size_t>(whole));
    to += whole;
    if (decimals == 0)
        return to;
    *to++ = '.';
    std::memcpy(to, digits + whole, static_cast<std::size_t>(decimals));
    return to + decimals;
}

} // namespace kalvora::cli
