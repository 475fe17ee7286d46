#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "core/Clues.h"

namespace {

// One line's clue as "L/C L/C ..." ("-" when empty), with '+' before a run
// that follows one of the same colour (rowRunSameColor, columnRunSameColor).
std::string clueOf(const gw::ClueTables& c, bool row, int line)
{
    const auto& count = row ? c.rowClueCount : c.columnClueCount;
    const auto& length = row ? c.rowClueLength : c.columnClueLength;
    const auto& color = row ? c.rowClueColor : c.columnClueColor;
    const auto& same = row ? c.rowRunSameColor : c.columnRunSameColor;
    std::string s;
    for (int k = 0; k < count[static_cast<std::size_t>(line)]; ++k) {
        const auto at = gw::ClueTables::at(line, k);
        s += std::string(k ? " " : "") + (same[at] ? "+" : "") + std::to_string(length[at]) + "/"
             + std::to_string(color[at]);
    }
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
        gw::derivePlayerClues(p, c);
        if (outside) {
            EXPECT_EQ(clueOf(c, true, 49) + clueOf(c, false, 49) + std::to_string(c.columnColor(49, 0)), "--1");
        }
        for (int y = 0; y < p.height; ++y)
            EXPECT_EQ(clueOf(c, true, y), t.rowClues[static_cast<std::size_t>(y)]) << "row " << y;
        for (std::size_t x = 0; x < t.columnClues.size(); ++x)
            EXPECT_EQ(clueOf(c, false, static_cast<int>(x)), t.columnClues[x]) << "column " << x;
        EXPECT_EQ(c.maxRowClues, std::max<int>(1, *std::max_element(c.rowClueCount.begin(), c.rowClueCount.end())));
        EXPECT_EQ(c.maxColumnClues,
                  std::max<int>(1, *std::max_element(c.columnClueCount.begin(), c.columnClueCount.end())));
        // An empty line holds a black run of 0; the slot after the last run stays white.
        const int n = c.rowClueCount[0];
        if (n < 50) {
            EXPECT_EQ(c.rowLength(0, n), 0);
            EXPECT_EQ(c.rowColor(0, n), n ? gw::White : gw::Black);
        }
    }
}
