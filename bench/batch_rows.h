#pragma once
// Generated measurement points for batch measurements: varied but always loadable inputs.

#include <cstddef>
#include <ostream>

namespace kalvora::bench {

/// Writes a header and rows points covering warm and cold workplaces, all six methods on.
void WriteBatchRows(std::ostream &out, std::size_t rows);

} // namespace kalvora::bench
