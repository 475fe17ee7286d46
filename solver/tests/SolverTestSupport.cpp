#include "SolverTestSupport.h"

#include <string>

namespace gw::testing {

namespace {

const char ColourChars[] = "#.RBYGMA";

} // namespace

std::uint8_t paletteFromChar(char c)
{
    for (std::uint8_t q = 0; q < PaletteSize; ++q)
        if (ColourChars[q] == c)
            return q;
    return White;
}

Puzzle puzzleFromRows(const std::vector<std::string>& rows)
{
    Puzzle p;
    p.PuzzleHeight = static_cast<std::int16_t>(rows.size());
    p.PuzzleWidth = static_cast<std::int16_t>(rows.front().size());
    for (int y = 0; y < p.PuzzleHeight; ++y)
        for (int x = 0; x < p.PuzzleWidth; ++x) {
            p.cell(x, y) = paletteFromChar(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            p.ColorPuzzle = p.ColorPuzzle || p.cell(x, y) > White;
        }
    return p;
}

std::string rowStates(const CellKnowledge& knowledge, int y)
{
    std::string text;
    for (int x = 0; x < knowledge.width(); ++x) {
        const std::uint8_t state = knowledge.state(x, y);
        text += state == StateUnknown ? '?' : state <= PaletteSize ? ColourChars[state - 1] : '!';
    }
    return text;
}

std::string canBeMarks(const CellKnowledge& knowledge, int x, int y)
{
    std::string marks;
    for (int q = 0; q < PaletteSize; ++q)
        marks += static_cast<char>('0' + knowledge.canBe(x, y, q));
    return marks;
}

void RecordingObserver::record(const std::string& event)
{
    events.push_back(event);
    if (onEvent)
        onEvent(event);
}

void RecordingObserver::cellSet(int x, int y, std::uint8_t value)
{
    ++cellsSet;
    record("cell " + std::to_string(x) + "," + std::to_string(y) + "=" + std::to_string(value));
}

void RecordingObserver::statusText(SolverStatus text, int lineNumber)
{
    static const char* names[] = {"clear",           "cleaning",       "considering-row",
                                  "considering-column", "comparing-row", "comparing-column",
                                  "finishing",       "finished",       "stopped"};
    record(std::string("status ") + names[static_cast<int>(text)] + " " + std::to_string(lineNumber));
}

void RecordingObserver::testEnded(TestOutcome outcome)
{
    outcomes.push_back(outcome);
    static const char* names[] = {"solved", "stuck", "limits", "stopped"};
    record(std::string("end ") + names[static_cast<int>(outcome)]);
}

void RecordingObserver::processEvents()
{
    ++eventLoopRuns;
    record("events");
}

} // namespace gw::testing
