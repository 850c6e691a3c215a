#pragma once
// Text from the user's input quoted in a message: control characters are shown as escapes, so that
// an escape sequence in a CSV cell cannot drive the terminal and a NUL cannot cut the message.

#include <string>
#include <string_view>

namespace kalvora::model {

/// The text with every byte below 0x20 and DEL written as \xNN (NUL as \0); other bytes,
/// UTF-8 included, unchanged.
std::string Printable(std::string_view text);

/// Printable(text) between single quotes.
std::string Quoted(std::string_view text);

} // namespace kalvora::model
