#pragma once

#include <optional>
#include <string_view>

namespace kalvora::model {

/// The one rule that turns a field's typed text into a number: the leading number of the text,
/// blanks skipped anywhere (also between digits), &H/&O hexadecimal and octal integers, E or D
/// exponents, the point as the only decimal separator (a comma ends the number); a text that does
/// not begin with a number reads 0. A number beyond the range of a double reads ±infinity, which
/// the evaluation reports as a fault naming the field.
double FieldValue(std::string_view text);

/// The number a text in its plain form spells, read as FieldValue reads it (beyond the range of a
/// double: ±infinity or 0); empty for any other text. The plain form is the one files and the
/// command line write: an optional sign, digits with at most one point, an optional exponent (e or
/// E, optional sign, digits), nothing before or after.
std::optional<double> PlainNumber(std::string_view text);

} // namespace kalvora::model
