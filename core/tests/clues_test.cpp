#include <gtest/gtest.h>

#include <string>

#include "core/Clues.h"
#include "TestSupport.h"

namespace {

// One line's clue as "L/C L/C ..." ("-" when empty), with '+' before a run
// that follows one of the same colour (RunSameColor).
std::string clueOf(const gw::ClueTables& c, bool row, int line)
{
    const int count = row ? c.RowClueCount[static_cast<std::size_t>(line)] : c.ColumnClueCount[static_cast<std::size_t>(line)];
    std::string s;
    for (int k = 0; k < count; ++k) {
        const auto at = gw::ClueTables::at(line, k);
        s += std::string(k ? " " : "") + ((row ? c.RowRunSameColor : c.ColumnRunSameColor)[at] ? "+" : "") +
             std::to_string(row ? c.rowLength(line, k) : c.columnLength(line, k)) + "/" +
             std::to_string(row ? c.rowColor(line, k) : c.columnColor(line, k));
    }
    return s.empty() ? "-" : s;
}

struct ClueCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> rowClues, columnClues;
};

class Clues : public ::testing::TestWithParam<ClueCase> {};

} // namespace

TEST_P(Clues, EveryLineOfThePuzzle)
{
    const ClueCase& t = GetParam();
    gw::Puzzle p = gwtest::puzzleFromRows(t.rows, true);
    p.cell(49, 49) = gw::Black; // outside the puzzle: never counted
    gw::ClueTables c;
    gw::DerivePlayerClues(p, c);
    for (int y = 0; y < p.PuzzleHeight; ++y)
        EXPECT_EQ(clueOf(c, true, y), t.rowClues[static_cast<std::size_t>(y)]) << "row " << y;
    for (int x = 0; x < p.PuzzleWidth; ++x)
        EXPECT_EQ(clueOf(c, false, x), t.columnClues[static_cast<std::size_t>(x)]) << "column " << x;
    EXPECT_EQ(c.RowClueCount[49] + c.ColumnClueCount[49], 0);
    // An empty line holds a black run of 0; the slot after the last run stays white.
    const int y = p.PuzzleHeight - 1, n = c.RowClueCount[static_cast<std::size_t>(y)];
    EXPECT_EQ(c.rowLength(y, n), 0);
    EXPECT_EQ(c.rowColor(y, n), n ? gw::White : gw::Black);
}

INSTANTIATE_TEST_SUITE_P(
    TelHokjes, Clues,
    ::testing::Values(
        ClueCase{"ColourChangeStartsANewRunWithoutWhite", {".##R.RR"}, {"2/0 1/2 +2/2"},
                 {"-", "1/0", "1/0", "1/2", "-", "1/2", "1/2"}},
        ClueCase{"RunsTouchingTheEdges", {"#.R", "#.R", "..."}, {"1/0 1/2", "1/0 1/2", "-"}, {"2/0", "-", "2/2"}},
        ClueCase{"ColourOnTopOfBlack", {"R#", "##"}, {"1/2 1/0", "2/0"}, {"1/2 1/0", "2/0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TelHokjes, FiftyAlternatingRunsAndMaximaOfAtLeastOne)
{
    gw::Puzzle p = gwtest::puzzleFromRows({std::string(50, '.'), std::string(50, '.')});
    gw::ClueTables c;
    gw::TelHokjes(p, c);
    EXPECT_EQ(c.MaxRowClues, 1);
    EXPECT_EQ(c.MaxColumnClues, 1);
    for (int x = 0; x < 50; ++x)
        p.cell(x, 0) = (x % 2) ? gw::Red : gw::Black;
    gw::TelHokjes(p, c);
    EXPECT_EQ(c.RowClueCount[0], 50);
    EXPECT_EQ(c.rowColor(0, 49), gw::Red);
    EXPECT_EQ(c.MaxRowClues, 50);
}
