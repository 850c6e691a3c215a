#include "batch_rows.h"

#include <string>

namespace kalvora::bench {

void WriteBatchRows(std::ostream &out, std::size_t rows, const std::string &methods)
{
    out << "M,ta,clo,va,tg,tnw,rh,methods\n";
    std::string line;
    for (std::size_t i = 0; i < rows; ++i) {
        // Air temperature 5 to 34 °C; globe 0 to 5 K above it, natural wet bulb 1 to 6 K below.
        const std::size_t ta = 5 + i % 30;
        line = std::to_string(60 + i % 120) + "," + std::to_string(ta) + ",0."
            + std::to_string(3 + i % 7) + ",0." + std::to_string(1 + i % 9) + ","
            + std::to_string(ta + i % 6) + "," + std::to_string(ta - 1 - i % 6) + ","
            + std::to_string(30 + i % 50) + "," + methods + "\n";
        out << line;
    }
}

} // namespace kalvora::bench
