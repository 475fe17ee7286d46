#pragma once
#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "CellKnowledge.h"
#include "LineSolver.h"
#include "SolverObserver.h"

namespace gw {

// The computer test: can the puzzle be solved from its clues alone, one line
// at a time, without guessing?
//
// How it works. Every row and every column is a LineSolver. A line keeps the
// list of its clue's placements (the ways to lay its runs into the line)
// that may still fit what is known, and for each run the range of cells it
// can still take. What is known is the CellKnowledge: each cell's state and,
// per colour, whether the cell can still have it.
//
// - start(): every cell unknown; a cell can be white and can have each
//   colour that both its row's and its column's clue hold. Lines with an
//   empty clue are white at once. Then a regeneration fills the lists.
// - A sweep: a row pass and a column pass, one line a tick, so that a window
//   stays responsive and shows each cell as it is found; then the completion
//   cycles and the verdict.
//   Comparison (LineSolver::compareWithCells): a line that changed since its
//   last comparison and whose list is complete tests its placements against
//   the cells; a colour no fitting placement gives a cell is excluded, a
//   cell that every fitting placement gives one value is set. The
//   confirmations are forgotten at the start of every pass.
//   Completion cycles (LineSolver::deduceFromRunRanges on every line, again
//   until a cycle sets no cell): deduction from the range of each run alone
//   (the overlap of its extreme positions, walls it cannot pass, cells no
//   run can reach, complete runs, the order of the runs). It needs no list,
//   so it also works on lines whose lists are incomplete.
//   Verdict: every cell as in the picture: solved. A cell set during the
//   sweep: another sweep. None set and every list complete (or its line
//   done): stuck. None set but some list incomplete: each line moves its run
//   ranges into its gap bounds (LineSolver::tightenGapBounds), and the lists
//   are regenerated.
// - Regeneration (regenerateLists): every list drops the placements that no
//   longer fit; when a list still fills more than four fifths of the
//   placement limit, the limit doubles; the try limit doubles too (up to
//   100000). Then every line enumerates again from its first placement,
//   inside its gap bounds, appending until the list reaches the placement
//   limit, the placements run out (the list is complete), or the try limit's
//   worth of candidates in a row fail to fit (aborted).
// - The endless-state check: once the try limit is at its cap and the
//   placement limit will not double, a regeneration can meet exactly the
//   state an earlier one met, and the test would sweep and regenerate for
//   ever. Before each such regeneration the whole state (cells, colour marks,
//   changed flags, every line's gap bounds, ranges and list, the limits) is
//   hashed into a 128-bit fingerprint; one seen before ends the test as
//   LimitsExhausted (endlessDetected()).
//
// Why placements are capped. A line of 50 cells whose clue is ten single
// cells has C(41, 10), about 1.1 billion, placements: no list holds every
// placement of every line. A placement costs one 64-bit word (the cells it
// colours, and its validity; PlacementList.h) whatever the number of
// colours, and a comparison tick reads the whole list. So a line holds at
// most maxPlacements(): 50 at the start, doubled only when a list cleaned of
// its misfits still needs the room, up to 25600; the doubling that would
// reach 32768 ends the test instead (LimitsExhausted, "because of a memory
// problem"). At 25600 a line takes 200 kB, the 100 lines of a 50 x 50 puzzle
// about 20 MB. The lists take their memory in chunks from a pool the driver
// keeps (SolverContext::placementPool) until it is destroyed: ending a test
// frees nothing, and the next test reuses the chunks. Most lines never come
// near the cap: the completion cycles narrow the run ranges, and each
// regeneration enumerates inside tighter gap bounds, where a list that once
// overflowed becomes short and complete. The try limit (maxTries()) keeps a
// line whose fitting placements are rare and far apart from stalling a
// regeneration.
//
// Keeping every step short. A regeneration usually meets lines whose cells
// and gap bounds have not changed since the last one: such a line repeats
// its last enumeration's placements from its list and searches on from
// where that one stopped (LineSolverEnumeration.cpp, which also passes whole
// blocks of candidates that cannot fit, counting them as if built). A list
// is tested again only where the cells have changed since it was last
// verified, and each line drops its misfits just before it enumerates, so
// that the event loop runs between the lines' work.
//
// What line logic cannot solve. The test never guesses and never looks
// ahead: a cell is set only when one line, given what is known, forces it.
// It ends Stuck on a puzzle with several solutions (a 2 x 2 diagonal), and
// also on a puzzle with one solution that can only be reached by lookahead:
// assuming a value for a cell and following its consequences across the
// crossing lines to a contradiction. A puzzle that line logic could solve
// may still end LimitsExhausted: while a line's list is incomplete the
// comparison skips it, and the range rules alone are weaker.
//
// Ownership: the driver keeps references to the puzzle, its clues (derived by
// deriveClues before start()), the cell knowledge and the observer; all four
// must outlive it. The clues must not change while a test runs; the puzzle's
// size neither. Its Cells are read at every verdict (the solved check), so an
// edit in the main window meanwhile counts from the next verdict on. The
// driver owns the line objects from start() until the test finishes (they are
// released then) or the next start().
//
// Driving it: call start(). When it returns true the test is stepping: call
// tick() again and again until isStepping() is false; the end comes through
// SolverObserver::testEnded. A window calls tick() from a 1 ms QTimer that it
// stops in testEnded; the command-line tool calls it back to back. stop() is
// the window's Stop button, requestStop() what closing the window does (only
// the stop request, so that an enumeration in progress ends early). start()
// and tick() may run the enumeration, which calls
// SolverObserver::processEvents every 500 placements and every 1000
// candidates; a window may simply call QCoreApplication::processEvents()
// there. While that runs, start() and tick() are refused (they return
// false), so ticks never overlap and a second start cannot interleave with
// one that is still enumerating.
class SolverDriver {
public:
    SolverDriver(const Puzzle& puzzle, const ClueTables& clues, CellKnowledge& knowledge, SolverObserver& observer);
    ~SolverDriver();
    SolverDriver(const SolverDriver&) = delete;
    SolverDriver& operator=(const SolverDriver&) = delete;

    // The Start button: reset the knowledge, build the lines, enumerate. Returns
    // true when the test is now stepping; false when it was refused (called
    // from inside start() or tick()) or stopped during the enumeration. A
    // start while a test is stepping begins a new test (the window disables
    // its Start button meanwhile).
    bool start();
    // One timer tick: one line's comparison, or the end of a sweep.
    // Returns false (and does nothing) when not stepping or busy.
    bool tick();
    // The Stop button: only while stepping (the button is disabled otherwise);
    // reports "Test stopped." and the Stopped outcome. The lines stay until
    // the next start.
    void stop();
    // Only the stop request, as closing the window does: an enumeration in progress
    // ends at its next check point and a start() in progress does not begin
    // stepping. The ticks do not look at it; while stepping, call stop().
    void requestStop() { m_context.stopRequested = true; }

    bool isStepping() const { return m_stepping; }
    bool isBusy() const { return m_busy; }

    // Where the sweep is: the pass (rows or columns) and the line the last
    // tick compared, -1 before the first line of a pass.
    bool passIsRows() const { return m_passIsRows; }
    std::int16_t passLine() const { return m_passLine; }
    // The limits: placements per line, candidates in a row without a fit.
    std::int32_t maxPlacements() const { return m_context.maxPlacements; }
    std::int32_t maxTries() const { return m_context.maxTries; }
    bool stopRequested() const { return m_context.stopRequested; }

    // The lines of the current test; null when none (before the first start
    // and after the test finished).
    const LineSolver* rowLine(int y) const;
    const LineSolver* columnLine(int x) const;

    // Statistics of the current or last test.
    int sweeps() const { return m_sweeps; }               // verdicts reached
    int regenerations() const { return m_regenerations; } // regenerateLists calls
    std::int32_t largestList() const { return m_context.largestList; }
    std::int64_t candidatesBuilt() const { return m_context.candidatesBuilt; }
    bool endlessDetected() const { return m_endless; }

private:
    void regenerateLists();
    // Completion cycles until one sets no cell; someCellSet tells whether
    // any cycle set one.
    void runCompletionCycles();
    // Ends the test (status "Test finished.") and releases the lines; the
    // caller reports the outcome.
    void finishTest();
    // The completion cycles and the verdict.
    void endOfSweep();
    bool solved() const;
    void resetConfirmations();
    std::pair<std::uint64_t, std::uint64_t> fingerprint() const;
    // Whether the next regenerateLists doubles maxPlacements: some list still
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

    // CellKnowledge::cellsSet at the first tick of the current sweep.
    std::uint64_t m_cellsSetAtSweepStart = 0;
    std::set<std::pair<std::uint64_t, std::uint64_t>> m_seenBeforeRegeneration;
    bool m_endless = false;

    int m_sweeps = 0;
    int m_regenerations = 0;
};

} // namespace gw
