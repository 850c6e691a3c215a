#pragma once
// The command line reads numbers strictly: what a script passes must mean exactly one number.

#include <optional>
#include <string_view>

namespace kalvora::cli {

/// An optional sign, digits with at most one '.', an optional exponent (e or E, optional sign,
/// digits); nothing before or after. Empty when the text is anything else or the number is not
/// finite in a double (1e999). A number too small for a double (1e-400) reads as zero, as strtod
/// reads it.
std::optional<double> StrictNumber(std::string_view text);

} // namespace kalvora::cli
