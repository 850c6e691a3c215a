// Writes a batch input of N generated rows to standard output, for measuring kalvora-cli batch
// from outside (throughput and peak memory); METHODS is the methods cell of every row (all).

#include "batch_rows.h"

#include <charconv>
#include <cstring>
#include <iostream>

int main(int argc, char **argv)
{
    std::size_t rows = 0;
    if ((argc != 2 && argc != 3)
        || std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), rows).ec != std::errc()) {
        std::cerr << "usage: make_batch_rows N [METHODS]\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    kalvora::bench::WriteBatchRows(std::cout, rows, argc == 3 ? argv[2] : "all");
    return 0;
}
