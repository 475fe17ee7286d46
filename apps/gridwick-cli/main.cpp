// gridwick-cli: the puzzle core on the command line, for scripts and checks.
#include <iostream>

#include "core/AtomicFile.h"
#include "tools/Commands.h"
#ifdef GRIDWICK_CLI_PICTURE
#include "tools/PictureCommand.h"
#endif

int main(int argc, char** argv)
{
    gw::ignoreFileSizeSignal();
    gw::cli::AddedCommands added;
#ifdef GRIDWICK_CLI_PICTURE
    added["picture"] = gw::cli::runPicture;
#endif
    return gw::cli::runCommandLine(gw::cli::Arguments(argv + 1, argv + argc), std::cout, std::cerr, added);
}
