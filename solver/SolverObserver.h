#pragma once
#include <cstdint>

namespace gw {

// The status line texts of the computer test. The window turns them into the
// language's words (lang/); `lineNumber` below is the 1-based row or column
// number for the four texts that name a line, else 0.
enum class SolverStatus : std::uint8_t {
    Clear,             // the status strip is emptied
    CleaningUp,        // "The computer test is cleaning up memory."
    ConsideringRow,    // "... considering possibilities for row" n "."
    ConsideringColumn, // "... considering possibilities for column" n "."
    ComparingRow,      // "... comparing possibilities for row" n "."
    ComparingColumn,   // "... comparing possibilities for column" n "."
    FinishingBlocks,   // "The computer test is trying to finish incomplete blocks."
    TestFinished,      // "Test finished."
    TestStopped,       // "Test stopped."
};

// How a computer test ended.
enum class SolverOutcome : std::uint8_t {
    Solved,          // the solved question ("Puzzle solved", Yes/No)
    Stuck,           // "The computer can't solve the puzzle any further."
    LimitsExhausted, // "... any further because of a memory problem."
    Stopped,         // the Stop button
};

// What the computer test tells whoever shows it (the test window, or the
// command-line tool). All calls come on the caller's thread, from inside
// SolverDriver::start(), SolverDriver::tick(), SolverDriver::stop() or setCell().
//
// Re-entrancy: from inside any callback the observer may call
// SolverDriver::stop() and SolverDriver::requestStop(); they take effect at once
// and the engine returns at its next check point (an enumeration right after
// processEvents(), a regeneration after the line it is enumerating).
// SolverDriver::start() and SolverDriver::tick() called from inside start() or
// tick() are refused: they return false and change nothing, so a timer that
// fires during processEvents() cannot start an overlapping tick. The observer
// must not destroy the driver, the knowledge or the clues from inside a
// callback, nor write the cell knowledge from inside one (a window stops the
// test before the user may mark a cell).
class SolverObserver {
public:
    virtual ~SolverObserver() = default;

    // Cell (x, y) was given state `value` (0..8) by setCell: paint it.
    virtual void cellSet(int x, int y, std::uint8_t value)
    {
        (void)x;
        (void)y;
        (void)value;
    }
    // Show a status text (replaces the previous one).
    virtual void statusText(SolverStatus text, int lineNumber)
    {
        (void)text;
        (void)lineNumber;
    }
    // The cell knowledge was reset at the start of a test: clear the field's
    // pixels, the chooser and the crossed-off clue numbers (the knowledge
    // itself is already reset when this comes).
    virtual void fieldCleared() { }
    // The test ended: the window stops its timer. For every outcome except
    // Stopped the "Test finished." status came just before. This comes from
    // inside tick() (or stop()), so a start() from here is refused: a window
    // shows the outcome's message box after the call returns (a queued call),
    // so that a Start clicked while the box is open starts a test.
    virtual void testEnded(SolverOutcome outcome) { (void)outcome; }
    // Let the event loop run (every 500 placements and every 1000 candidates
    // of an enumeration). The stop flag is looked at right after it returns.
    virtual void processEvents() { }
};

} // namespace gw
