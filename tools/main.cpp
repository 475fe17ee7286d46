// gridwick-cli: the puzzle core on the command line, for scripts and checks.
#include <iostream>
#include <string>

#include "Commands.h"
#include "core/Version.h"

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
    {"analyze", "analyze [--unique] [--grade] FILE...", gw::cli::runAnalyze},
    {"fix", "fix [--line] IN OUT", gw::cli::runFix},
    {"export", "export IN OUT.xml|OUT.non", gw::cli::runExport},
    {"import", "import IN OUT.pbm|OUT.ppm", gw::cli::runImport},
    {"generate", "generate [--size WxH] [--colors N] [--grade easy|medium|hard] [--code CODE] OUT.pbm|OUT.ppm",
     gw::cli::runGenerate},
};

void listUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const Command& command : commands)
        out << "  gridwick-cli " << command.usage << '\n';
}

int usage()
{
    listUsage(std::cerr);
    return 2;
}

// --help and --version answer on standard output with exit status 0.
int help()
{
    std::cout << "gridwick-cli: the Gridwick puzzle core on the command line, for scripts and checks.\n";
    listUsage(std::cout);
    std::cout << "  gridwick-cli --help | --version\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string name = argv[1];
    if (name == "-h" || name == "--help")
        return help();
    if (name == "-v" || name == "--version") {
        std::cout << "gridwick-cli (Gridwick) " << gw::gridwickVersion() << '\n';
        return 0;
    }
    for (const Command& command : commands) {
        if (name == command.name)
            return command.run(gw::cli::Arguments(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << "gridwick-cli: unknown command " << gw::cli::printable(name) << '\n';
    return usage();
}
