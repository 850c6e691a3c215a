#pragma once
// What each result key of the command line holds: its unit and a one-line meaning in both
// languages. The text output takes its units from here and `kalvora-cli columns` lists it.

#include "model/language.h"

#include <string>
#include <string_view>

namespace kalvora::cli {

/// The unit of a result key, by its record name ("" for a pure number, a rating or a flag).
std::string_view ResultUnit(std::string_view name);

/// One line saying what the key holds, in the language; empty for a name that is no result key.
std::string ResultMeaning(std::string_view name, model::Language language);

} // namespace kalvora::cli
