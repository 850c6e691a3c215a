#pragma once

#include <string_view>

namespace kalvora::cli {

/// The unit of a value of the results record, by its record name ("" for a pure number).
std::string_view ResultUnit(std::string_view name);

} // namespace kalvora::cli
