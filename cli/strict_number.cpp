#include "strict_number.h"

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

} // namespace

std::optional<double> StrictNumber(std::string_view text)
{
    if (!wellFormed(text))
        return std::nullopt;
    // from_chars takes no leading '+'.
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    // result_out_of_range covers 1e999 and also 1e-999: neither is a measured value.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kalvora::cli
