#pragma once

#include <string_view>

namespace kalvora::model {

/// The one rule that turns a field's typed text into a number: the leading number of the text,
/// blanks skipped anywhere (also between digits), &H/&O hexadecimal and octal integers, E or D
/// exponents, the point as the only decimal separator (a comma ends the number); a text that does
/// not begin with a number reads 0. A number beyond the range of a double reads ±infinity, which
/// the evaluation reports as a fault naming the field.
double FieldValue(std::string_view text);

} // namespace kalvora::model
