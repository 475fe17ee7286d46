#include <sys/resource.h>

#include <iomanip>
#include <ostream>
#include <string>

#include "Commands.h"
#include "solver/ComputerTest.h"

namespace gw::cli {

namespace {

long peakMemoryKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // kilobytes on Linux
}

// FILE, verdict, KNOWN/TOTAL, WRONG, sweeps, regenerations, milliseconds
// (three decimals); with `stats` the largest list, the longest step and the
// peak memory.
void writeResultLine(std::ostream& out, const std::string& file, const ComputerTestResult& result, bool stats)
{
    out << file << '\t' << outcomeName(result.outcome) << '\t' << result.known << '/' << result.total << '\t'
        << result.wrong << '\t' << result.sweeps << '\t' << result.regenerations << '\t' << std::fixed
        << std::setprecision(3) << result.milliseconds;
    if (stats)
        out << '\t' << result.largestList << '\t' << result.longestStepMs << '\t' << peakMemoryKb();
    out << '\n';
    out.unsetf(std::ios::floatfield);
}

// Every cell write as x,y,v, separated by blanks, on one line.
void writeTrace(std::ostream& out, const std::vector<ComputerTestResult::CellWrite>& trace)
{
    const char* separator = "";
    for (const ComputerTestResult::CellWrite& write : trace) {
        out << separator << write.x << ',' << write.y << ',' << static_cast<int>(write.value);
        separator = " ";
    }
    out << '\n';
}

} // namespace

int runCheck(const Invocation& args, std::ostream& out, std::ostream& err)
{
    const bool stats = args.has("--stats");
    const bool trace = args.has("--trace");
    return reportEachFile(args.operands, out, err, [&](const std::string& file, const Puzzle& puzzle) {
        const ComputerTestResult result = runComputerTest(puzzle, trace);
        writeResultLine(out, file, result, stats);
        if (trace)
            writeTrace(out, result.trace);
    });
}

} // namespace gw::cli
