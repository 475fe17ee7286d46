// gridwick-cli: the puzzle core on the command line, for scripts and checks.
#include <iostream>
#include <string>

#include "Commands.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const gw::cli::Arguments&, std::ostream&, std::ostream&);
};

// One line per subcommand.
const Command commands[] = {
    {"clues", "clues FILE", gw::cli::runClues},
    {"convert", "convert IN OUT", gw::cli::runConvert},
    {"check", "check [--stats] [--trace] FILE...", gw::cli::runCheck},
    {"analyze", "analyze [--unique] FILE...", gw::cli::runAnalyze},
};

int usage()
{
    std::cerr << "usage:\n";
    for (const Command& command : commands)
        std::cerr << "  gridwick-cli " << command.usage << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string name = argv[1];
    for (const Command& command : commands) {
        if (name == command.name)
            return command.run(gw::cli::Arguments(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << "gridwick-cli: unknown command " << gw::cli::printable(name) << '\n';
    return usage();
}
