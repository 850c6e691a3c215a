#pragma once
// Runs the command line in-process, as main() does, and captures what it prints.

#include "cli/cli_app.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace kalvora::cli::test {

struct CliRun
{
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(std::vector<std::string> args, const std::string &input = {})
{
    args.insert(args.begin(), "kalvora-cli");
    std::vector<const char *> argv;
    for (const std::string &arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return { status, out.str(), err.str() };
}

/// value rounded to decimals places, to compare with figures published at that rounding.
inline double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace kalvora::cli::test
