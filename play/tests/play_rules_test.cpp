// The play rules without any widget: marks, marking, crossed-off clues and
// the completion checks, lines written as strings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tests/TestSupport.h"
#include "play/PlayRules.h"

namespace gw {
namespace {

// Marks written as a grid: '?' unmarked, otherwise the cell letter of
// gwtest::cellFromChar marked ('#' black, '.' white, 'R' red ...).
PlayerCellStates marksFromRows(const std::vector<std::string>& rows)
{
    PlayerCellStates states;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            states.setCell(static_cast<int>(x), static_cast<int>(y),
                           c == '?' ? std::uint8_t {0} : static_cast<std::uint8_t>(gwtest::cellFromChar(c) + 1));
        }
    return states;
}

struct LineCase {
    const char* name;
    const char* solution; // the maker's picture of one row
    const char* marks;
    bool satisfied;
};

class RowSatisfied : public testing::TestWithParam<LineCase> { };

TEST_P(RowSatisfied, AgainstTheCluesOfTheSolution)
{
    const LineCase& c = GetParam();
    const Puzzle puzzle =
        gwtest::puzzleFromRows({c.solution}, std::string(c.solution).find_first_of("RB") != std::string::npos);
    ClueTables clues;
    deriveClues(puzzle, clues);
    const PlayerCellStates states = marksFromRows({c.marks});
    EXPECT_EQ(lineSatisfied(puzzle, clues, states, true, 0), c.satisfied);
}

INSTANTIATE_TEST_SUITE_P(Lines, RowSatisfied,
                         testing::Values(LineCase {"Exact", "..##.#", "..##.#", true},
                                         LineCase {"RunsShiftedStillFit", "##.#..", ".##.#.", true},
                                         LineCase {"UnmarkedCellNeverFits", "..##.#", "?.##.#", false},
                                         LineCase {"UnmarkedBlackCellNeverFits", "..##.#", "..#?.#", false},
                                         LineCase {"RunTooLong", "..##.#", ".###.#", false},
                                         LineCase {"RunsMerged", "##.#..", "###...", false},
                                         LineCase {"ExtraRun", "##....", "##..#.", false},
                                         LineCase {"MissingRun", "##.#..", "##....", false},
                                         LineCase {"EmptyLineAllWhite", "......", "......", true},
                                         LineCase {"EmptyLineWithBlack", "......", "...#..", false},
                                         LineCase {"ColourRunsTouching", "RRBB..", ".RRBB.", true},
                                         LineCase {"WrongColour", "RRBB..", "RRRB..", false},
                                         LineCase {"ColoursSwapped", "RRBB..", "BBRR..", false}),
                         [](const testing::TestParamInfo<LineCase>& row) { return std::string(row.param.name); });

TEST(CluesSatisfied, ASecondSolutionSolvesButNotForAllCellsRight)
{
    // The two diagonals of a 2 x 2 square have the same clues.
    const Puzzle puzzle = gwtest::puzzleFromRows({"#.", ".#"});
    ClueTables clues;
    deriveClues(puzzle, clues);
    const PlayerCellStates other = marksFromRows({".#", "#."});
    EXPECT_TRUE(cluesSatisfied(puzzle, clues, other));
    EXPECT_FALSE(allCellsRight(puzzle, other));
    const PlayerCellStates same = marksFromRows({"#.", ".#"});
    EXPECT_TRUE(cluesSatisfied(puzzle, clues, same));
    EXPECT_TRUE(allCellsRight(puzzle, same));
    EXPECT_FALSE(cluesSatisfied(puzzle, clues, marksFromRows({"#.", "?#"})));
    EXPECT_FALSE(cluesSatisfied(puzzle, clues, marksFromRows({"##", ".."})));
}

TEST(ButtonMark, OnlyLeftAndRightMark)
{
    const std::array<std::uint8_t, 2> marks {{3, 0}};
    EXPECT_EQ(buttonMark(MouseButton::Left, marks), std::optional<std::uint8_t>(3));
    EXPECT_EQ(buttonMark(MouseButton::Right, marks), std::optional<std::uint8_t>(0));
    EXPECT_EQ(buttonMark(MouseButton::None, marks), std::nullopt);
    EXPECT_EQ(buttonMark(MouseButton::Middle, marks), std::nullopt);
    EXPECT_EQ(buttonMark(mouseButtonFromValue(3), marks), std::nullopt); // left and right held
}

struct LineWalk {
    const char* name;
    CellPos from, to;
    std::vector<CellPos> cells;
};

class CellsAlongLine : public testing::TestWithParam<LineWalk> { };

TEST_P(CellsAlongLine, EveryCellPassedInOrder)
{
    const LineWalk& w = GetParam();
    EXPECT_EQ(cellsAlongLine(w.from, w.to), w.cells);
}

INSTANTIATE_TEST_SUITE_P(Walks, CellsAlongLine,
                         testing::Values(LineWalk {"OneCell", {2, 2}, {2, 2}, {{2, 2}}},
                                         LineWalk {"Right", {0, 1}, {4, 1}, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
                                         LineWalk {"Up", {3, 3}, {3, 0}, {{3, 3}, {3, 2}, {3, 1}, {3, 0}}},
                                         LineWalk {"Diagonal", {0, 0}, {2, 2}, {{0, 0}, {1, 1}, {2, 2}}},
                                         LineWalk {"Shallow", {0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
                                         LineWalk {"SteepBackwards", {1, 3}, {0, 0}, {{1, 3}, {1, 2}, {0, 1}, {0, 0}}}),
                         [](const testing::TestParamInfo<LineWalk>& row) { return std::string(row.param.name); });

TEST(CrossedClues, ToggleSetAndList)
{
    CrossedClues crossed;
    EXPECT_TRUE(crossed.empty());
    crossed.toggle({true, 3, 1});
    crossed.toggle({false, 0, 0});
    crossed.toggle({false, 49, 49});
    EXPECT_TRUE(crossed.isCrossed({true, 3, 1}));
    EXPECT_FALSE(crossed.isCrossed({false, 3, 1})); // rows and columns apart
    EXPECT_EQ(crossed.all(), (std::vector<ClueRef> {{true, 3, 1}, {false, 0, 0}, {false, 49, 49}}));
    crossed.toggle({true, 3, 1}); // a second toggle restores
    crossed.set({false, 0, 0}, false);
    EXPECT_EQ(crossed.all(), (std::vector<ClueRef> {{false, 49, 49}}));
    crossed.clear();
    EXPECT_TRUE(crossed.empty());
}

TEST(PlayerCellStates, SetCellPaintsAndClearDoesNot)
{
    PlayerCellStates states;
    std::vector<CellPos> painted;
    states.setCellPainter([&](int x, int y) { painted.push_back({x, y}); });
    states.setCell(4, 2, 3);
    EXPECT_EQ(states.cellState(4, 2), 3);
    states.clearStates();
    EXPECT_EQ(states.cellState(4, 2), 0);
    EXPECT_EQ(painted, (std::vector<CellPos> {{4, 2}}));
}

} // namespace
} // namespace gw
