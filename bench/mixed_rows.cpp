// Writes a batch input of N rows for checking that a change leaves every output byte alone: the
// generated rows of make_batch_rows with, in a cycle of sixteen, the methods cell varied (all,
// single methods, lists with ';' and '|') and rows that are invalid (an empty methods cell, a
// text for a number, a decimal comma, an empty humidity), refused, out of PMV's range, or that
// fault (an input beyond a double's range, a hot and humid or very cold point).

#include "batch_rows.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

/// Replaces the cells of one row of M,ta,clo,va,tg,tnw,rh,methods where a variant gives one.
struct Variant
{
    const char *methods;
    std::vector<std::pair<int, const char *>> cells;
};

const Variant kVariants[16] = {
    { "all", {} },
    { "pmv", {} },
    { "pmv;wbgt", {} },
    { "hsi;swreq", {} },
    { "ireq", {} },
    { "wci|ireq", {} },
    { "all", { { 0, "1e400" } } },
    { "all", { { 1, "abc" } } },
    { "", {} },
    { "all", { { 3, "0" } } },
    { "all", { { 0, "400" }, { 2, "2.5" } } },
    { "pmv;hsi;wbgt", { { 6, "" } } },
    { "all", { { 1, "-40" }, { 4, "-30" }, { 5, "-45" } } },
    { "swreq", { { 1, "50" }, { 4, "60" }, { 5, "40" }, { 6, "90" } } },
    { "all", { { 1, "\"1,5\"" } } },
    { "all", {} },
};

std::vector<std::string> cellsOf(const std::string &line)
{
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, ',');)
        cells.push_back(cell);
    return cells;
}

} // namespace

int main(int argc, char **argv)
{
    std::size_t rows = 0;
    if (argc != 2
        || std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), rows).ec != std::errc()) {
        std::cerr << "usage: mixed_rows N\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    std::stringstream generated;
    kalvora::bench::WriteBatchRows(generated, rows, "methods");
    std::string line;
    std::getline(generated, line);
    std::cout << line << '\n';
    for (std::size_t i = 0; std::getline(generated, line); ++i) {
        const Variant &variant = kVariants[i % std::size(kVariants)];
        std::vector<std::string> cells = cellsOf(line);
        cells.back() = variant.methods;
        for (const auto &[column, text] : variant.cells)
            cells[column] = text;
        for (std::size_t c = 0; c < cells.size(); ++c)
            std::cout << (c ? "," : "") << cells[c];
        std::cout << '\n';
    }
    return 0;
}
