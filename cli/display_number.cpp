#include "display_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kalvora::cli {

std::string GroupedFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return "undefined";
    std::array<char, 400> buffer; // a finite double in fixed notation needs at most 309 + decimals
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    const std::string plain(buffer.data(), result.ptr);
    const std::size_t sign = plain.front() == '-' ? 1 : 0;
    const std::size_t integerEnd = std::min(plain.find('.'), plain.size());
    std::string grouped = plain.substr(0, sign);
    for (std::size_t i = sign; i < integerEnd; ++i) {
        if (i > sign && (integerEnd - i) % 3 == 0)
            grouped += ',';
        grouped += plain[i];
    }
    grouped += plain.substr(integerEnd);
    return grouped;
}

std::string GeneralNumber(double value)
{
    if (!std::isfinite(value))
        return "undefined";
    std::array<char, 32> buffer;
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 6);
    return std::string(buffer.data(), result.ptr);
}

} // namespace kalvora::cli
