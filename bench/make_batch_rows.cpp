// Writes a batch input of N generated rows to standard output, for measuring kalvora-cli batch
// from outside (throughput and peak memory).

#include "batch_rows.h"

#include <charconv>
#include <cstring>
#include <iostream>

int main(int argc, char **argv)
{
    std::size_t rows = 0;
    if (argc != 2
        || std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), rows).ec != std::errc()) {
        std::cerr << "usage: make_batch_rows N\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    kalvora::bench::WriteBatchRows(std::cout, rows);
    return 0;
}
