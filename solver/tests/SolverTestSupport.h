#pragma once
// Puzzles, lines and observers for the solver's tests, written as strings:
// '#' black, '.' white, R B Y G M A the colours; in a state string '?' is an
// unknown cell.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Clues.h"
#include "core/Puzzle.h"
#include "solver/CellKnowledge.h"
#include "solver/SolverObserver.h"

namespace gw::testing {

std::uint8_t paletteFromChar(char c);
Puzzle puzzleFromRows(const std::vector<std::string>& rows);

// The states of row y of the knowledge as a string.
std::string rowStates(const CellKnowledge& knowledge, int y);
// The eight CanBe marks of a cell, black first, as digits ("01100000").
std::string canBeMarks(const CellKnowledge& knowledge, int x, int y);

// Every event of a test, in order, as short texts: "cell x,y=v",
// "status NAME n", "cleared", "end NAME", "events". onEvent, when set, sees
// each event right after it is recorded (to stop or re-enter the driver).
class RecordingObserver : public SolverObserver {
public:
    void cellSet(int x, int y, std::uint8_t value) override;
    void statusText(SolverStatus text, int lineNumber) override;
    void fieldCleared() override { record("cleared"); }
    void testEnded(TestOutcome outcome) override;
    void processEvents() override;

    std::vector<std::string> events;
    int cellsSet = 0;
    int eventLoopRuns = 0;
    std::vector<TestOutcome> outcomes;
    std::function<void(const std::string&)> onEvent;

private:
    void record(const std::string& event);
};

} // namespace gw::testing
