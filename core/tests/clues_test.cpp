#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "core/Clues.h"

namespace {

// One line's clue as "L/C L/C ..." ("-" when empty), with '+' before a run
// that follows one of the same colour (LineClue::sameColorAsPrevious).
std::string clueOf(const gw::ClueTables& c, bool row, int line)
{
    const gw::LineClue& clue = c.line(row, line);
    std::string s;
    unsigned mask = 0;
    for (int k = 0; k < clue.count; ++k) {
        s += std::string(k ? " " : "") + (clue.sameColorAsPrevious(k) ? "+" : "") + std::to_string(clue.length(k)) + "/"
             + std::to_string(clue.color(k));
        mask |= 1u << clue.color(k);
    }
    EXPECT_EQ(clue.colorMask, mask);
    return s.empty() ? "-" : s;
}

} // namespace

TEST(DeriveClues, EveryLineOfThePuzzle)
{
    const struct {
        std::vector<std::string> rows, rowClues, columnClues;
    } cases[] = {
        {{".##R.RR"}, {"2/0 1/2 +2/2"}, {"-", "1/0", "1/0", "1/2", "-", "1/2", "1/2"}}, // colour change: new run
        {{"#.R", "#.R", "..."}, {"1/0 1/2", "1/0 1/2", "-"}, {"2/0", "-", "2/2"}},      // runs touching the edges
        {{"R#", "##"}, {"1/2 1/0", "2/0"}, {"1/2 1/0", "2/0"}},
        {{"...", "..."}, {"-", "-"}, {"-", "-", "-"}},
        {{std::string(50, '#'), gwtest::repeat("#R", 25)}, {"50/0", gwtest::repeat("1/0 1/2 ", 24) + "1/0 1/2"}, {}}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.rows[0]);
        gw::Puzzle p = gwtest::puzzleFromRows(t.rows, true);
        const bool outside = p.width < 50;
        if (outside)
            p.cell(49, 49) = gw::Black; // outside the puzzle: never counted
        gw::ClueTables c;
        c.rows[49].addRun(1, gw::Red); // left from an earlier puzzle: cleared
        gw::deriveClues(p, c);
        if (outside) {
            EXPECT_EQ(clueOf(c, true, 49) + clueOf(c, false, 49), "--");
        }
        for (int y = 0; y < p.height; ++y)
            EXPECT_EQ(clueOf(c, true, y), t.rowClues[static_cast<std::size_t>(y)]) << "row " << y;
        for (std::size_t x = 0; x < t.columnClues.size(); ++x)
            EXPECT_EQ(clueOf(c, false, static_cast<int>(x)), t.columnClues[x]) << "column " << x;
        const auto most = [](const std::array<gw::LineClue, gw::MaxPuzzleSize>& lines) {
            int n = 1;
            for (const gw::LineClue& line : lines)
                n = std::max(n, line.count);
            return n;
        };
        EXPECT_EQ(c.maxRowClues, most(c.rows));
        EXPECT_EQ(c.maxColumnClues, most(c.columns));
        // An empty line is shown as a black 0.
        if (c.rows[0].count == 0) {
            EXPECT_EQ(c.rows[0].length(0), 0);
            EXPECT_EQ(c.rows[0].color(0), gw::Black);
        }
    }
}
