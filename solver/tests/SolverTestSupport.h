#pragma once
// Puzzles, lines and observers for the solver's tests, written as strings:
// '#' black, '.' white, R B Y G M A the colours; in a state string '?' is an
// unknown cell.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/Clues.h"
#include "core/Puzzle.h"
#include "solver/CellKnowledge.h"
#include "solver/SolverObserver.h"
#include "solver/TestLine.h"

namespace gw::testing {

std::uint8_t paletteFromChar(char c);
char charFromState(std::uint8_t state);

Puzzle puzzleFromRows(const std::vector<std::string>& rows);

// The states of row y (or column x) of the knowledge as a string.
std::string rowStates(const CellKnowledge& knowledge, int y);
std::string columnStates(const CellKnowledge& knowledge, int x);

// Every event of a test, in order, as short texts: "cell x,y=v",
// "status NAME n", "cleared", "end NAME", "events".
class RecordingObserver : public SolverObserver {
public:
    void cellSet(int x, int y, std::uint8_t value) override;
    void statusText(SolverStatus text, int lineNumber) override;
    void fieldCleared() override;
    void testEnded(TestOutcome outcome) override;
    void processEvents() override;

    std::vector<std::string> events;
    int cellsSet = 0;
    int eventLoopRuns = 0;
    std::vector<TestOutcome> outcomes;
};

const char* statusName(SolverStatus status);

// One row line on its own: a puzzle of one row whose solution defines the
// clue; every cell open to white and to the clue's colours (whatever its
// column says), then the cells of `known` other than '?' set.
struct LineBench {
    LineBench(const std::string& solution, const std::string& known);

    std::string states() const { return rowStates(knowledge, 0); }
    std::vector<std::string> placements() const;
    void setKnown(int i, char c);

    Puzzle puzzle;
    ClueTables clues;
    CellKnowledge knowledge;
    RecordingObserver observer;
    SolverContext context;
    clsTestRijH line;
};

} // namespace gw::testing
