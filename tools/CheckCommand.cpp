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

// Passes the loader's notices on to `err`; returns the reason of a failed
// load (the text after "error: " on its last such line).
std::string forwardNotices(const std::string& messages, const std::string& file, std::ostream& err)
{
    std::string reason;
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("error: ", 0) == 0)
            reason = line.substr(7);
        else
            err << file << ": " << line << '\n';
    }
    return reason.empty() ? std::string("cannot be read") : reason;
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
        writeResultLine(out, file, result, stats);
        if (trace)
            writeTrace(out, result.trace);
    }
    return exitCode;
}

} // namespace gw::cli
