#include "display_number.h"

#include "shortest_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kalvora::cli {

namespace {

constexpr std::size_t kFixedRoom = kFixedDecimalsRoom;

} // namespace

char *WriteFixedNumber(char *to, double value, int decimals)
{
    char *const end = WriteFixedDecimals(to, value, decimals);
    if (*to == '-' && std::all_of(to + 1, end, [](char c) { return c == '0' || c == '.'; })) {
        std::memmove(to, to + 1, static_cast<std::size_t>(end - to - 1));
        return end - 1;
    }
    return end;
}

double RoundedToDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    std::array<char, kFixedRoom> buffer;
    char *const end = WriteFixedNumber(buffer.data(), value, decimals);
    double rounded = 0;
    std::from_chars(buffer.data(), end, rounded);
    return rounded;
}

std::string PatternNumber(double value, model::NumberPattern pattern, std::optional<int> decimals)
{
    if (!std::isfinite(value))
        return "undefined";
    const std::optional<int> shown = decimals ? decimals : model::fixedDecimals(pattern);
    if (!shown) {
        std::array<char, 32> buffer;
        // Negative zero would read "-0".
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
            value == 0 ? 0.0 : value, std::chars_format::general, 6);
        return std::string(buffer.data(), result.ptr);
    }
    std::array<char, kFixedRoom> buffer;
    const std::string plain(buffer.data(), WriteFixedNumber(buffer.data(), value, *shown));
    if (!model::groupsThousands(pattern))
        return plain;
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

} // namespace kalvora::cli
