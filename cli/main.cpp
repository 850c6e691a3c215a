#include "cli_app.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    return kalvora::cli::RunCli(
        argc, argv, std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
