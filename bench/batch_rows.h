#pragma once
// Generated measurement points for batch measurements: varied but always loadable inputs.

#include <cstddef>
#include <ostream>
#include <string>

namespace kalvora::bench {

/// Writes a header and rows points covering warm and cold workplaces, with the methods cell given
/// (all six methods by default).
void WriteBatchRows(std::ostream &out, std::size_t rows, const std::string &methods = "all");

} // namespace kalvora::bench
