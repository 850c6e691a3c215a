#pragma once
// The whole command line as one call, so that main() and the tests run the same code.

#include <istream>
#include <ostream>

namespace kalvora::cli {

/// Parses argv, runs the chosen command and returns the exit status: 0 done, 1 a batch with
/// invalid rows, 2 a usage error, refused inputs or output that could not be written, 3 an
/// arithmetic fault. errIsTerminal: err is a terminal, where a batch shows its progress line.
int RunCli(int argc, const char *const *argv, std::istream &in, std::ostream &out,
    std::ostream &err, bool errIsTerminal = false);

} // namespace kalvora::cli
