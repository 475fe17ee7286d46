#include <sys/resource.h>

#include <iomanip>
#include <ostream>
#include <sstream>

#include "Commands.h"
#include "solver/ComputerTest.h"

namespace gw::cli {

namespace {

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // kilobytes on Linux
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
        const bool loaded = loadAsMaker(file, puzzle, messages);
        const std::string reason = forwardNotices(messages.str(), file, err);
        if (!loaded) {
            out << file << "\terror\t" << reason << '\n';
            exitCode = 1;
            continue;
        }
        const ComputerTestResult result = runComputerTest(puzzle, trace);
        out << file << '\t' << outcomeName(result.outcome) << '\t' << result.known << '/' << result.total << '\t'
            << result.wrong << '\t' << result.sweeps << '\t' << result.regenerations << '\t' << std::fixed
            << std::setprecision(3) << result.milliseconds;
        if (stats)
            out << '\t' << result.largestList << '\t' << result.longestStepMs << '\t' << peakMemoryKb();
        out << '\n';
        if (trace) {
            const char* separator = "";
            for (const ComputerTestResult::CellWrite& write : result.trace) {
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
