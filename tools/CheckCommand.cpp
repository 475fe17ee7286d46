#include <sys/resource.h>

#include <iomanip>
#include <ostream>
#include <sstream>

#include "Commands.h"
#include "solver/TestRun.h"

namespace gw::cli {

namespace {

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // kilobytes on Linux
}

// The reason of a failed load: the text after "error: " on its last line.
std::string loadError(const std::string& messages)
{
    std::string last;
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("error: ", 0) == 0)
            last = line.substr(7);
    return last.empty() ? std::string("cannot be read") : last;
}

} // namespace

int runCheck(const Arguments& args, std::ostream& out, std::ostream& err)
{
    bool stats = false;
    bool trace = false;
    Arguments files;
    for (const std::string& arg : args) {
        if (arg == "--stats")
            stats = true;
        else if (arg == "--trace")
            trace = true;
        else
            files.push_back(arg);
    }
    if (files.empty()) {
        err << "usage: gridwick-cli check [--stats] [--trace] FILE...\n";
        return 2;
    }
    int exitCode = 0;
    for (const std::string& file : files) {
        Puzzle puzzle;
        std::ostringstream messages;
        if (!loadAsMaker(file, puzzle, messages)) {
            out << file << "\terror\t" << loadError(messages.str()) << '\n';
            exitCode = 1;
            continue;
        }
        const TestRunResult result = runComputerTest(puzzle, trace);
        out << file << '\t' << outcomeName(result.outcome) << '\t' << result.known << '/' << result.total << '\t'
            << result.wrong << '\t' << result.sweeps << '\t' << result.regenerations << '\t' << std::fixed
            << std::setprecision(3) << result.milliseconds;
        if (stats)
            out << '\t' << result.largestList << '\t' << result.longestStepMs << '\t' << peakMemoryKb();
        out << '\n';
        if (trace) {
            const char* separator = "";
            for (const TestRunResult::CellWrite& write : result.trace) {
                out << separator << write.x << ',' << write.y << ',' << static_cast<int>(write.value);
                separator = " ";
            }
            out << '\n';
        }
        out.unsetf(std::ios::floatfield);
    }
    return exitCode;
}

} // namespace gw::cli
