#pragma once
// The import command: the rows of a batch input file become the points of a new survey, their
// cells copied as the texts the input form would hold.

#include "model/language.h"
#include "model/survey.h"

#include <istream>
#include <ostream>
#include <string>

namespace kalvora::cli {

/// Reads the rows of in into survey.points: the name column names them (otherwise "Punto N" or
/// "Point N" by language); a column absent from the header takes the default of evaluate,
/// said once on err. Status 0; 1 when a row cannot be read as batch would read it (each named on
/// err with its line); 2 for a header batch would refuse.
int ImportPoints(
    std::istream &in, std::ostream &err, model::Language language, model::Survey &survey);

} // namespace kalvora::cli
