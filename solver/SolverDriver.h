#pragma once
#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "CellKnowledge.h"
#include "SolverObserver.h"
#include "LineSolver.h"

namespace gw {

// The computer test as a step machine (the test window's startButton,
// stepTimer and stopButton, and the procedures of modTest).
//
// Ownership: the driver keeps references to the puzzle, its clues (derived by
// deriveClues before start()), the cell knowledge and the observer; all four
// must outlive it. The clues must not change while a test runs; the puzzle's
// size neither. Its Cells are read at every verdict (the solved check), so an
// edit in the main window meanwhile counts from the next verdict on. The
// driver owns the line objects from start() until the test finishes (they are
// released by FinishTest) or the next start().
//
// Driving it from a window: start() from the Start button; when it returns
// true, start a 1 ms QTimer whose timeout calls tick(), and stop the timer in
// SolverObserver::testEnded. processEvents() may simply call
// QCoreApplication::processEvents(): a timeout that arrives meanwhile finds
// the driver busy and does nothing.
//
// Driving it: call start(). When it returns true the test is stepping: call
// tick() again and again (a window from a 1 ms QTimer, the command-line tool
// back to back) until isStepping() is false; the end comes through
// SolverObserver::testEnded. stop() is the Stop button, requestStop() what
// closing the window does (only the stop request, so that an enumeration in
// progress ends early). start() and tick() may run the enumeration, which
// calls SolverObserver::processEvents every 500 placements and every 1000
// candidates; while that runs, start() and tick() are refused (they return
// false), so ticks never overlap and a second start cannot interleave with
// one that is still enumerating.
class SolverDriver {
public:
    SolverDriver(const Puzzle& puzzle, const ClueTables& clues, CellKnowledge& knowledge, SolverObserver& observer);
    ~SolverDriver();
    SolverDriver(const SolverDriver&) = delete;
    SolverDriver& operator=(const SolverDriver&) = delete;

    // startButton: clear the knowledge, build the lines, enumerate. Returns
    // true when the test is now stepping; false when it was refused (called
    // from inside start() or tick()) or stopped during the enumeration. A
    // start while a test is stepping begins a new test (the window disables
    // its Start button meanwhile).
    bool start();
    // One stepTimer tick: one line's comparison, or the end of a sweep.
    // Returns false (and does nothing) when not stepping or busy.
    bool tick();
    // stopButton: only while stepping (the button is disabled otherwise);
    // reports "Test stopped." and the Stopped outcome. The lines stay until
    // the next start.
    void stop();
    // StopTest := true, as closing the window does: an enumeration in progress
    // ends at its next check point and a start() in progress does not begin
    // stepping. The ticks do not look at it; while stepping, call stop().
    void requestStop() { m_context.StopTest = true; }

    bool isStepping() const { return m_stepping; }
    bool isBusy() const { return m_busy; }

    // Pass variables and limits.
    bool passIsRows() const { return m_passIsRows; }
    std::int16_t passLine() const { return m_passLine; }
    std::int32_t MaxPlacements() const { return m_context.MaxPlacements; }
    std::int32_t MaxTries() const { return m_context.MaxTries; }
    bool StopTest() const { return m_context.StopTest; }

    // The lines of the current test; null when none (before the first start
    // and after FinishTest).
    const LineSolver* rowLine(int y) const;
    const LineSolver* columnLine(int x) const;

    // Statistics of the current or last test.
    int sweeps() const { return m_sweeps; }                // verdicts reached
    int regenerations() const { return m_regenerations; }  // RegenerateAll calls
    std::int32_t largestList() const { return m_context.LargestList; }
    std::int64_t candidatesBuilt() const { return m_context.CandidatesBuilt; }
    bool endlessDetected() const { return m_endless; }

private:
    void RegenerateAll();
    void CompleteRuns();
    void FinishTest();
    void endOfSweep();
    bool solved() const;
    void resetConfirmations();
    std::pair<std::uint64_t, std::uint64_t> fingerprint() const;
    // Whether the next RegenerateAll doubles MaxPlacements: some list still
    // exceeds four fifths of it after the garbage collection.
    bool placementLimitWillDouble();

    const Puzzle& m_puzzle;
    const ClueTables& m_clues;
    CellKnowledge& m_knowledge;
    SolverObserver& m_observer;
    SolverContext m_context;

    std::vector<std::unique_ptr<LineSolver>> m_rowLines;
    std::vector<std::unique_ptr<LineSolver>> m_columnLines;

    bool m_passIsRows = true;
    std::int16_t m_passLine = -1;
    bool m_stepping = false;
    bool m_busy = false;
    bool m_finished = false;

    // Cells set since the first tick of the current sweep's row pass.
    std::uint64_t m_sweepStartSetCount = 0;
    std::set<std::pair<std::uint64_t, std::uint64_t>> m_seenBeforeRegeneration;
    bool m_endless = false;

    int m_sweeps = 0;
    int m_regenerations = 0;
};

} // namespace gw
