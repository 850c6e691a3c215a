#include "printable.h"

namespace kalvora::model {

std::string Printable(std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            shown += "\\0";
        } else if (byte < 0x20 || byte == 0x7f) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xf];
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string Quoted(std::string_view text)
{
    return '\'' + Printable(text) + '\'';
}

} // namespace kalvora::model
