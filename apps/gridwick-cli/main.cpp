// gridwick-cli: the puzzle core on the command line, for scripts and checks.
#include <iostream>

#include "core/AtomicFile.h"
#include "tools/Commands.h"

int main(int argc, char** argv)
{
    gw::ignoreFileSizeSignal();
    return gw::cli::runCommandLine(gw::cli::Arguments(argv + 1, argv + argc), std::cout, std::cerr);
}
