#include "shortest_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fmt/format.h>

namespace kalvora::cli {

namespace {

constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233"
                          "34353637383940414243444546474849505152535455565758596061626364656667"
                          "6869707172737475767778798081828384858687888990919293949596979899";

/// The decimal digits of n at the end of the buffer ending at end; returns where they start.
char *digitsBefore(char *end, std::uint64_t n)
{
    while (n >= 100) {
        end -= 2;
        std::memcpy(end, kPairs + 2 * (n % 100), 2);
        n /= 100;
    }
    if (n >= 10) {
        end -= 2;
        std::memcpy(end, kPairs + 2 * n, 2);
    } else {
        *--end = static_cast<char>('0' + n);
    }
    return end;
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
    char buffer[24];
    const char *const digitsEnd = buffer + sizeof buffer;
    const char *const digits = digitsBefore(buffer + sizeof buffer, decimal.significand);
    const int count = static_cast<int>(digitsEnd - digits);
    const int exponent = decimal.exponent;

    // Fixed or scientific notation, whichever is shorter; fixed on a tie.
    const int scientificExponent = exponent + count - 1;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2
        + (std::abs(scientificExponent) >= 100 ? 3 : 2);
    const int fixedLength = exponent >= 0 ? count + exponent
        : count + exponent > 0              ? count + 1
                                            : 2 - exponent;
    if (fixedLength <= scientificLength) {
        // A whole number from 2^53 on is written with every digit of its exact value, which the
        // shortest digits padded with zeros are not: rare enough to leave to the library.
        if (exponent > 0 && std::abs(value) >= 0x1p53)
            return std::to_chars(to, to + 24, std::abs(value)).ptr;
        if (exponent >= 0) {
            to = std::copy(digits, digitsEnd, to);
            return std::fill_n(to, exponent, '0');
        }
        if (count + exponent > 0) {
            to = std::copy(digits, digits + count + exponent, to);
            *to++ = '.';
            return std::copy(digits + count + exponent, digitsEnd, to);
        }
        *to++ = '0';
        *to++ = '.';
        to = std::fill_n(to, -(count + exponent), '0');
        return std::copy(digits, digitsEnd, to);
    }
    *to++ = digits[0];
    if (count > 1) {
        *to++ = '.';
        to = std::copy(digits + 1, digitsEnd, to);
    }
    *to++ = 'e';
    *to++ = scientificExponent < 0 ? '-' : '+';
    const int magnitude = std::abs(scientificExponent);
    char exponentText[4];
    char *const exponentEnd = exponentText + sizeof exponentText;
    char *start = digitsBefore(exponentEnd, static_cast<std::uint64_t>(magnitude));
    if (magnitude < 10)
        *--start = '0';
    return std::copy(start, exponentEnd, to);
}

} // namespace kalvora::cli
