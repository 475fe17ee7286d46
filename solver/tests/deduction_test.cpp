// The cell knowledge (SetCell, the initial possibilities) and the deduction
// of one line: comparison of the placements and the run ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SolverTestSupport.h"

using gw::testing::canBeMarks;
using gw::testing::LineBench;

namespace {

// UpdateKanHorenBij until it sets no more cells, as the completion cycles do.
void settle(LineBench& bench)
{
    do {
        bench.knowledge.StateChanged = false;
        bench.line.UpdateKanHorenBij();
    } while (bench.knowledge.StateChanged);
}

// EarliestStart-LatestEnd of every run.
std::string ranges(const gw::TestLine& line)
{
    std::string text;
    for (int k = 0; k < line.runCount(); ++k)
        text += (k ? " " : "") + std::to_string(line.EarliestStart(k)) + "-" + std::to_string(line.LatestEnd(k));
    return text;
}

} // namespace

TEST(Knowledge, SetCellKeepsPossibilitiesAndFlagsInStepAndReportsTheCell)
{
    gw::CellKnowledge knowledge;
    knowledge.reset(3, 2);
    gw::testing::RecordingObserver observer;
    gw::SetCell(knowledge, 2, 1, gw::Red + 1, &observer);
    EXPECT_EQ(knowledge.state(2, 1), 3);
    EXPECT_EQ(canBeMarks(knowledge, 2, 1), "00100000");
    EXPECT_TRUE(knowledge.RowChanged[1] && knowledge.ColumnChanged[2] && knowledge.StateChanged);
    EXPECT_FALSE(knowledge.RowChanged[0]);
    EXPECT_EQ(observer.events, std::vector<std::string>{"cell 2,1=3"});
    EXPECT_EQ(knowledge.rowPossible(1, gw::Red), 0b100u);
    EXPECT_EQ(knowledge.columnPossible(2, gw::White), 0b01u);
    gw::SetCell(knowledge, 2, 1, 0, nullptr);
    EXPECT_EQ(canBeMarks(knowledge, 2, 1), "22222222");
    EXPECT_EQ(knowledge.columnPossible(2, gw::Blue), 0b10u);
}

TEST(Knowledge, ClearingOpensTheColoursBothCluesHave)
{
    // Row 0 has black and red, row 1 only blue; column 0 black and blue,
    // column 1 red, column 2 nothing.
    const gw::Puzzle puzzle = gw::testing::puzzleFromRows({"#R.", "B.."});
    gw::ClueTables clues;
    gw::TelHokjes(puzzle, clues);
    gw::CellKnowledge knowledge;
    gw::SetCell(knowledge, 0, 0, 1, nullptr);
    gw::ClearDeZooi(knowledge, puzzle, clues);
    EXPECT_EQ(canBeMarks(knowledge, 0, 0), "22000000");
    EXPECT_EQ(canBeMarks(knowledge, 1, 0), "02200000");
    EXPECT_EQ(canBeMarks(knowledge, 2, 0), "02000000");
    EXPECT_EQ(canBeMarks(knowledge, 0, 1), "02020000");
    EXPECT_EQ(canBeMarks(knowledge, 1, 1), "02000000");
    EXPECT_EQ(gw::testing::rowStates(knowledge, 0), "???");
    EXPECT_FALSE(knowledge.StateChanged || knowledge.RowChanged[0]);
}

TEST(SetupRanges, RunsStartPackedLeftAndEndPackedRightOnCellsOfTheirColour)
{
    // Runs: 1 black, 2 red, 1 black, 1 blue; no gap needed (colours differ).
    LineBench bench("#.RR.#B..", "?????????");
    EXPECT_EQ(ranges(bench.line), "0-4 1-6 3-7 4-8");
    EXPECT_TRUE(bench.line.CanBelong(1, 1));
    EXPECT_FALSE(bench.line.CanBelong(1, 0));
    EXPECT_FALSE(bench.line.CanBelong(0, 5));
    EXPECT_EQ(bench.line.BlockOf(3), -1);
    EXPECT_TRUE(bench.line.MaybeWhite(3));
    LineBench white("..##", "?.??");
    EXPECT_FALSE(white.line.CanBelong(0, 1));
    EXPECT_TRUE(white.line.CanBelong(0, 0));
}

TEST(Deduction, OneUpdateDeducesTheseCells)
{
    struct Case {
        const char* name;
        const char* solution;
        const char* known;
        const char* after;
        bool lineDone;
    };
    const Case cases[] = {
        {"overlap of both positions of a run of four", "####.", "?????", "?###?", false},
        {"two singles in three are solved", "#.#", "???", "#.#", true},
        {"a cell no run can reach becomes white", "##.#..", "##????", "##.???", false},
        {"all coloured cells known makes the rest white", "#.#..", "#.#??", "#.#..", true},
        {"nothing to deduce from an open line", "#.#...", "??????", "??????", false},
        {"coloured runs in order", "RB....", "??????", "??????", false},
        {"a long run in a short line fixes the middle", "RRRRB.", "??????", "?RRR??", false},
        {"an empty clue is already white", "...", "???", "...", false},
        {"a known last cell fixes the last run", "#.....#", "??????#", "?????.#", false},
        {"a fixed last run leaves the others open", "#.##...#", "???????#", "??????.#", false},
        {"both singles known make the line done", "..#..#..", "?#?????#", ".#.....#", true},
        {"a colour run through a known cell", ".RRRB", "??R??", "?RR??", false},
        {"a known end packs the runs left", "###.#", "????#", "###.#", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineBench bench(c.solution, c.known);
        bench.line.UpdateKanHorenBij();
        EXPECT_EQ(bench.states(), c.after);
        EXPECT_EQ(bench.line.LineDone(), c.lineDone);
    }
}

TEST(Deduction, FixedRunIsDoneAndItsNeighboursWhite)
{
    LineBench bench("..##..#", "??##???");
    bench.line.UpdateKanHorenBij();
    // The first cycle whitens cell 0 (no run reaches it) and cell 4 (after a
    // complete run of two); cell 1 needs the next one.
    EXPECT_EQ(bench.states(), ".?##.??");
    EXPECT_FALSE(bench.line.RunDone(0));
    settle(bench);
    EXPECT_TRUE(bench.line.RunDone(0));
    EXPECT_EQ(bench.states(), "..##.??");
    // The run ranges become gap bounds: run 1 can take 5 or 6.
    ASSERT_EQ(ranges(bench.line), "2-3 5-6");
    bench.line.ExtraAanvullingen();
    EXPECT_EQ(bench.line.MinGap(0), 2);
    EXPECT_EQ(bench.line.MaxGap(0), 2);
    EXPECT_EQ(bench.line.MinGap(1), 1); // 5 - 3 - 1
    EXPECT_EQ(bench.line.MaxGap(1), 2); // 6 + 1 - 1 - 2 - 2
    bench.line.GenereerMogelijkheden();
    for (const std::string& p : bench.placements())
        EXPECT_EQ(p.substr(0, 5), "..##.");
}

TEST(Deduction, StretchLongerThanARunIsNotPartOfIt)
{
    // Runs (1, 3) in 8 with cells 2..4 black: run 0 ends at the latest at 3,
    // and the known stretch 2..3 at the end of its range is too long for it.
    LineBench bench("#.###...", "??###???");
    bench.line.UpdateKanHorenBij();
    EXPECT_FALSE(bench.line.CanBelong(0, 2));
    EXPECT_FALSE(bench.line.CanBelong(0, 3));
    EXPECT_TRUE(bench.line.CanBelong(1, 2));
    EXPECT_EQ(bench.line.LatestEnd(0), 0);
    EXPECT_EQ(bench.states(), "?.###...");
    settle(bench);
    EXPECT_EQ(bench.states(), "#.###...");
    EXPECT_TRUE(bench.line.LineDone());
}

TEST(Deduction, SettledLineDeducesAgainOnceOneOfItsCellsIsSet)
{
    LineBench bench("#.....#", "???????");
    settle(bench);
    bench.line.UpdateKanHorenBij(); // nothing new
    EXPECT_EQ(bench.states(), "???????");
    bench.setKnown(6, '#'); // as a crossing column would
    settle(bench);
    EXPECT_EQ(bench.states(), "?????.#");
    bench.setKnown(0, '#');
    settle(bench);
    EXPECT_EQ(bench.states(), "#.....#");
    EXPECT_TRUE(bench.line.LineDone());
}

TEST(Deduction, DoneLineIsSkippedByEveryOperation)
{
    LineBench bench("#.#", "???");
    bench.line.GenereerMogelijkheden();
    bench.line.UpdateKanHorenBij();
    ASSERT_TRUE(bench.line.LineDone());
    EXPECT_LE(bench.line.PlacementCount(), 1);
    EXPECT_EQ(bench.line.GarbageCollection(), 0);
    EXPECT_TRUE(bench.line.CompleetOfKlaar());
    const int before = bench.observer.cellsSet;
    bench.knowledge.RowChanged[0] = true;
    bench.line.VergelijkZooi();
    bench.line.UpdateKanHorenBij();
    EXPECT_EQ(bench.observer.cellsSet, before);
}

// One VergelijkZooi; a limit of 2 leaves the list incomplete.
TEST(Comparison, CellsAllFittingPlacementsAgreeOnAreSet)
{
    struct Case {
        const char* name;
        const char* solution;
        const char* known;
        int maxPlacements;
        bool changed; // the row's changed flag
        const char* after;
    };
    const Case cases[] = {
        {"middle of a run of three in five", "###..", "?????", 1000, true, "??#??"},
        {"a known cell narrows the placements", "..##.", "?.???", 1000, true, "..?#?"},
        {"two confirmed colours leave the cell open", "R.", "??", 1000, true, "??"},
        {"colours touching in a full line", "RRB", "???", 1000, true, "RRB"},
        {"a known white leaves four placements", "#.#..", "?.???", 1000, true, "?.???"},
        {"known whites fix the second run", "#.#..", "??.?.", 1000, true, "??.#."},
        {"an incomplete list proves nothing", "###..", "?????", 2, true, "?????"},
        {"an unchanged line is not compared", "###..", "?????", 1000, false, "?????"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineBench bench(c.solution, c.known);
        bench.context.MaxPlacements = c.maxPlacements;
        bench.line.GenereerMogelijkheden();
        ASSERT_EQ(bench.line.GenerationComplete(), c.maxPlacements == 1000);
        bench.knowledge.RowChanged[0] = c.changed;
        bench.line.VergelijkZooi();
        EXPECT_EQ(bench.states(), c.after);
    }
}

TEST(Comparison, ScanStopsAtTheSecondConfirmedColour)
{
    // Runs red, blue in 3: "RB.", "R.B", ".RB".
    LineBench bench("RB.", "???");
    bench.line.GenereerMogelijkheden();
    bench.knowledge.RowChanged[0] = true;
    bench.line.VergelijkZooi();
    EXPECT_EQ(bench.states(), "???");
    // Cell 0: white and red confirmed; black before them cleared, blue after
    // them keeps its mark although no placement has blue there.
    EXPECT_EQ(canBeMarks(bench.knowledge, 0, 0), "01120000");
    // Cell 2: white, then red unconfirmed (cleared), then blue.
    EXPECT_EQ(canBeMarks(bench.knowledge, 2, 0), "01010000");
}
