#pragma once
// Puzzles, lines and observers for the solver's tests, written as strings
// (grids as in core/tests/TestSupport.h); in a state string '?' is an
// unknown cell.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Clues.h"
#include "core/tests/TestSupport.h"
#include "solver/CellKnowledge.h"
#include "solver/SolverObserver.h"

namespace gw::testing {

using gwtest::puzzleFromRows;

inline const std::string StateChars = "?#.RBYGMA";

// The states of row y of the knowledge as a string ('!' for a bad state).
inline std::string rowStates(const CellKnowledge& knowledge, int y)
{
    std::string text;
    for (int x = 0; x < knowledge.width(); ++x)
        text += knowledge.state(x, y) < StateChars.size() ? StateChars[knowledge.state(x, y)] : '!';
    return text;
}

// The eight CanBe marks of a cell, black first, as digits ("01100000").
inline std::string canBeMarks(const CellKnowledge& knowledge, int x, int y)
{
    std::string marks;
    for (int q = 0; q < PaletteSize; ++q)
        marks += static_cast<char>('0' + knowledge.canBe(x, y, q));
    return marks;
}

// Every event of a test, in order, as short texts: "cell x,y=v",
// "status NAME n", "cleared", "end NAME", "events". onEvent, when set, sees
// each event right after it is recorded (to stop or re-enter the driver).
class RecordingObserver : public SolverObserver {
public:
    void cellSet(int x, int y, std::uint8_t value) override
    {
        ++cellsSet;
        record("cell " + std::to_string(x) + "," + std::to_string(y) + "=" + std::to_string(value));
    }
    void statusText(SolverStatus text, int lineNumber) override
    {
        static const char* names[] = {"clear",         "cleaning",         "considering-row", "considering-column",
                                      "comparing-row", "comparing-column", "finishing",       "finished",
                                      "stopped"};
        record(std::string("status ") + names[static_cast<int>(text)] + " " + std::to_string(lineNumber));
    }
    void fieldCleared() override { record("cleared"); }
    void testEnded(SolverOutcome outcome) override
    {
        outcomes.push_back(outcome);
        static const char* names[] = {"solved", "stuck", "limits", "stopped"};
        record(std::string("end ") + names[static_cast<int>(outcome)]);
    }
    void processEvents() override
    {
        ++eventLoopRuns;
        record("events");
    }

    std::vector<std::string> events;
    int cellsSet = 0;
    int eventLoopRuns = 0;
    std::vector<SolverOutcome> outcomes;
    std::function<void(const std::string&)> onEvent;

private:
    void record(const std::string& event)
    {
        events.push_back(event);
        if (onEvent)
            onEvent(event);
    }
};

} // namespace gw::testing
