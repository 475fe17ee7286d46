#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "SolverObserver.h"
#include "core/Puzzle.h"

namespace gw {

// A computer test run without a window: start, then the ticks back to back
// until it ends. Used by gridwick-cli check, the corpus test and the
// benchmarks.
struct ComputerTestResult {
    struct CellWrite {
        std::int16_t x, y;
        std::uint8_t value;
    };

    SolverOutcome outcome = SolverOutcome::Stopped;
    int known = 0; // cells whose state is not 0 at the end
    int total = 0; // width x height
    int wrong = 0; // cells set at some time to a value other than the picture's
    int sweeps = 0;
    int regenerations = 0;
    std::int32_t largestList = 0;
    std::int64_t candidates = 0;  // candidates built by all enumerations
    bool endless = false;         // ended by the repeated-state rule
    double milliseconds = 0;      // wall time of the whole test
    double longestStepMs = 0;     // longest tick, or stretch between two event-loop calls
    double longestStepCpuMs = 0;  // the same in processor time, which a busy machine does not stretch
    std::vector<CellWrite> trace; // every setCell, in order (when asked for)
};

// Derives the clues of `puzzle` and runs the test to its end. `extra`, when
// given, sees every callback too.
ComputerTestResult runComputerTest(const Puzzle& puzzle, bool keepTrace, SolverObserver* extra = nullptr);

// "solved", "stuck", "limits" or "stopped".
const char* outcomeName(SolverOutcome outcome);

} // namespace gw
