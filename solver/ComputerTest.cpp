#include "ComputerTest.h"

#include <algorithm>
#include <bitset>
#include <chrono>
#include <ctime>

#include "CellKnowledge.h"
#include "SolverDriver.h"
#include "core/Clues.h"

namespace gw {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of the process (one thread) in milliseconds.
double processorMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

class RunObserver : public SolverObserver {
public:
    RunObserver(const Puzzle& puzzle, ComputerTestResult& result, bool keepTrace, SolverObserver* extra)
        : m_puzzle(puzzle), m_result(result), m_keepTrace(keepTrace), m_extra(extra)
    { }

    int wrongCells() const { return static_cast<int>(m_wrongCells.count()); }

    void cellSet(int x, int y, std::uint8_t value) override
    {
        if (value != StateUnknown && value != m_puzzle.cell(x, y) + 1)
            m_wrongCells[static_cast<std::size_t>(x + MaxPuzzleSize * y)] = true;
        if (m_keepTrace)
            m_result.trace.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), value});
        if (m_extra)
            m_extra->cellSet(x, y, value);
    }
    void statusText(SolverStatus text, int lineNumber) override
    {
        if (m_extra)
            m_extra->statusText(text, lineNumber);
    }
    void fieldCleared() override
    {
        if (m_extra)
            m_extra->fieldCleared();
    }
    void testEnded(SolverOutcome outcome) override
    {
        m_result.outcome = outcome;
        if (m_extra)
            m_extra->testEnded(outcome);
    }
    void processEvents() override
    {
        endStep();
        if (m_extra)
            m_extra->processEvents();
        beginStep();
    }

    void beginStep()
    {
        m_stepStart = Clock::now();
        m_stepStartCpu = processorMilliseconds();
    }
    void endStep()
    {
        m_result.longestStepMs = std::max(m_result.longestStepMs, millisecondsSince(m_stepStart));
        m_result.longestStepCpuMs = std::max(m_result.longestStepCpuMs, processorMilliseconds() - m_stepStartCpu);
    }

private:
    const Puzzle& m_puzzle;
    ComputerTestResult& m_result;
    std::bitset<CellCount> m_wrongCells;
    bool m_keepTrace;
    SolverObserver* m_extra;
    Clock::time_point m_stepStart = Clock::now();
    double m_stepStartCpu = processorMilliseconds();
};

} // namespace

ComputerTestResult runComputerTest(const Puzzle& puzzle, bool keepTrace, SolverObserver* extra)
{
    ComputerTestResult result;
    const Clock::time_point start = Clock::now();
    ClueTables clues;
    deriveClues(puzzle, clues);
    CellKnowledge knowledge;
    RunObserver observer(puzzle, result, keepTrace, extra);
    SolverDriver driver(puzzle, clues, knowledge, observer);
    observer.beginStep();
    bool stepping = driver.start();
    observer.endStep();
    while (stepping) {
        observer.beginStep();
        driver.tick();
        observer.endStep();
        stepping = driver.isStepping();
    }
    result.milliseconds = millisecondsSince(start);
    result.sweeps = driver.sweeps();
    result.regenerations = driver.regenerations();
    result.largestList = driver.largestList();
    result.candidates = driver.candidatesBuilt();
    result.endless = driver.endlessDetected();
    result.total = puzzle.width * puzzle.height;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            if (knowledge.state(x, y) != StateUnknown)
                ++result.known;
    result.wrong = observer.wrongCells();
    return result;
}

const char* outcomeName(SolverOutcome outcome)
{
    switch (outcome) {
    case SolverOutcome::Solved:
        return "solved";
    case SolverOutcome::Stuck:
        return "stuck";
    case SolverOutcome::LimitsExhausted:
        return "limits";
    case SolverOutcome::Stopped:
        break;
    }
    return "stopped";
}

} // namespace gw
