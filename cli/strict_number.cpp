#include "strict_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace kalvora::cli {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// Checks the shape of the text: from_chars alone would also take inf, nan and hex forms.
bool wellFormed(std::string_view text)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

/// Whether a well-formed text whose reading fell out of the range of a double lies below it
/// (1e-400) rather than above it (1e400): the decimal exponent of its first significant digit.
bool belowRange(std::string_view text)
{
    std::size_t i = text.front() == '-' ? 1 : 0;
    bool seen = false, afterPoint = false;
    long long integerDigits = 0, leadingZeros = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
        } else if (!seen && text[i] == '0') {
            leadingZeros += afterPoint ? 1 : 0;
        } else if (!afterPoint) {
            seen = true;
            ++integerDigits;
        } else {
            seen = true;
        }
    }
    // The power of ten of the first significant digit before the exponent is applied.
    const long long scale = integerDigits > 0 ? integerDigits - 1 : -(leadingZeros + 1);
    long long exponent = 0;
    bool negative = false;
    if (i < text.size()) {
        ++i;
        if (text[i] == '+' || text[i] == '-')
            negative = text[i++] == '-';
        // Saturate: any exponent beyond a million is far outside a double either way.
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000LL);
    }
    return scale + (negative ? -exponent : exponent) < 0;
}

} // namespace

std::optional<double> StrictNumber(std::string_view text)
{
    if (!wellFormed(text))
        return std::nullopt;
    // from_chars takes no leading '+'.
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // result_out_of_range covers 1e999, which no double holds, and also 1e-999, which rounds to
    // zero in a double as strtod would round it (keeping the sign).
    if (error == std::errc::result_out_of_range && belowRange(text))
        return text.front() == '-' ? -0.0 : 0.0;
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kalvora::cli
