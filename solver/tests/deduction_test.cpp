// The cell knowledge (SetCell, the initial possibilities) and the deduction
// of one line: comparison of the placements and the run ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SolverTestSupport.h"

using gw::testing::LineBench;

namespace {

// UpdateKanHorenBij until it sets no more cells, as the completion cycles do.
int settle(LineBench& bench)
{
    int cycles = 0;
    do {
        bench.knowledge.StateChanged = false;
        bench.line.UpdateKanHorenBij();
        ++cycles;
    } while (bench.knowledge.StateChanged);
    return cycles;
}

} // namespace

TEST(Knowledge, SetCellKeepsPossibilitiesAndFlagsInStepAndReportsTheCell)
{
    gw::CellKnowledge knowledge;
    knowledge.reset(3, 2);
    gw::testing::RecordingObserver observer;
    gw::SetCell(knowledge, 2, 1, gw::Red + 1, &observer);
    EXPECT_EQ(knowledge.state(2, 1), 3);
    for (int q = 0; q < gw::PaletteSize; ++q)
        EXPECT_EQ(knowledge.canBe(2, 1, q), q == gw::Red ? 1 : 0) << q;
    EXPECT_TRUE(knowledge.RowChanged[1]);
    EXPECT_TRUE(knowledge.ColumnChanged[2]);
    EXPECT_FALSE(knowledge.RowChanged[0]);
    EXPECT_TRUE(knowledge.StateChanged);
    EXPECT_EQ(observer.events, std::vector<std::string>{"cell 2,1=3"});
    EXPECT_EQ(knowledge.rowPossible(1, gw::Red), 0b100u);
    EXPECT_EQ(knowledge.columnPossible(2, gw::White), 0b01u);

    gw::SetCell(knowledge, 2, 1, 0, nullptr);
    for (int q = 0; q < gw::PaletteSize; ++q)
        EXPECT_EQ(knowledge.canBe(2, 1, q), 2) << q;
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
    auto open = [&](int x, int y) {
        std::string colours;
        for (int q = 0; q < gw::PaletteSize; ++q)
            if (knowledge.canBe(x, y, q) == 2)
                colours += "#.RBYGMA"[q];
            else
                EXPECT_EQ(knowledge.canBe(x, y, q), 0);
        return colours;
    };
    EXPECT_EQ(open(0, 0), "#.");
    EXPECT_EQ(open(1, 0), ".R");
    EXPECT_EQ(open(2, 0), ".");
    EXPECT_EQ(open(0, 1), ".B");
    EXPECT_EQ(open(1, 1), ".");
    EXPECT_EQ(gw::testing::rowStates(knowledge, 0), "???");
    EXPECT_FALSE(knowledge.StateChanged);
    EXPECT_FALSE(knowledge.RowChanged[0]);
}

TEST(SetupRanges, RunsStartPackedLeftAndEndPackedRight)
{
    LineBench bench("#.RR.#B..", "?????????");
    // Runs: 1 black, 2 red, 1 black, 1 blue; gaps 0, 0, 0, 0 (colours differ).
    EXPECT_EQ(bench.line.EarliestStart(0), 0);
    EXPECT_EQ(bench.line.EarliestStart(1), 1);
    EXPECT_EQ(bench.line.EarliestStart(2), 3);
    EXPECT_EQ(bench.line.EarliestStart(3), 4);
    EXPECT_EQ(bench.line.LatestEnd(3), 8);
    EXPECT_EQ(bench.line.LatestEnd(2), 7);
    EXPECT_EQ(bench.line.LatestEnd(1), 6);
    EXPECT_EQ(bench.line.LatestEnd(0), 4);
    EXPECT_TRUE(bench.line.CanBelong(1, 1));
    EXPECT_FALSE(bench.line.CanBelong(1, 0));
    EXPECT_FALSE(bench.line.CanBelong(0, 5));
    EXPECT_EQ(bench.line.BlockOf(3), -1);
    EXPECT_TRUE(bench.line.MaybeWhite(3));
}

TEST(SetupRanges, CellsThatCannotHaveTheRunsColourDoNotBelong)
{
    LineBench bench("..##", "?.??");
    EXPECT_FALSE(bench.line.CanBelong(0, 1));
    EXPECT_TRUE(bench.line.CanBelong(0, 0));
}

struct DeductionCase {
    const char* name;
    const char* solution;
    const char* known;
    const char* after; // states after one UpdateKanHorenBij
    bool lineDone;
};

class Deduction : public ::testing::TestWithParam<DeductionCase> {};

TEST_P(Deduction, OneUpdateDeducesTheseCells)
{
    const DeductionCase& c = GetParam();
    LineBench bench(c.solution, c.known);
    bench.line.UpdateKanHorenBij();
    EXPECT_EQ(bench.states(), c.after);
    EXPECT_EQ(bench.line.LineDone(), c.lineDone);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Deduction,
    ::testing::Values(
        DeductionCase{"OverlapOfBothPositionsOfARunOfFour", "####.", "?????", "?###?", false},
        DeductionCase{"TwoSinglesInThreeAreSolved", "#.#", "???", "#.#", true},
        DeductionCase{"CellNoRunCanReachBecomesWhite", "##.#..", "##????", "##.???", false},
        DeductionCase{"AllColouredCellsKnownMakesTheRestWhite", "#.#..", "#.#??", "#.#..", true},
        DeductionCase{"NothingToDeduceFromAnOpenLine", "#.#...", "??????", "??????", false},
        DeductionCase{"ColouredRunsInOrder", "RB....", "??????", "??????", false},
        DeductionCase{"LongRunInAShortLineFixesTheMiddle", "RRRRB.", "??????", "?RRR??", false},
        DeductionCase{"EmptyClueIsAlreadyWhite", "...", "???", "...", false}),
    [](const ::testing::TestParamInfo<DeductionCase>& info) { return std::string(info.param.name); });

TEST(Deduction, FixedRunIsDoneAndItsNeighboursWhite)
{
    LineBench bench("..##..#", "???????");
    bench.setKnown(2, '#');
    bench.setKnown(3, '#');
    bench.line.UpdateKanHorenBij();
    // The first cycle whitens cell 0 (no run reaches it) and cell 4 (after a
    // complete run of two); cell 1 needs the next one.
    EXPECT_EQ(bench.states(), ".?##.??");
    EXPECT_FALSE(bench.line.RunDone(0));
    settle(bench);
    EXPECT_TRUE(bench.line.RunDone(0));
    EXPECT_EQ(bench.line.EarliestStart(0), 2);
    EXPECT_EQ(bench.line.LatestEnd(0), 3);
    EXPECT_EQ(bench.states(), "..##.??");
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

TEST(ExtraAanvullingen, RunRangesBecomeGapBounds)
{
    LineBench bench("..##..#", "???????");
    bench.setKnown(2, '#');
    bench.setKnown(3, '#');
    settle(bench);
    // Run 0 lies on 2..3; run 1 can take 5 or 6.
    ASSERT_EQ(bench.line.EarliestStart(1), 5);
    ASSERT_EQ(bench.line.LatestEnd(1), 6);
    bench.line.ExtraAanvullingen();
    EXPECT_EQ(bench.line.MinGap(0), 2);
    EXPECT_EQ(bench.line.MaxGap(0), 2);
    EXPECT_EQ(bench.line.MinGap(1), 1);  // 5 - 3 - 1
    EXPECT_EQ(bench.line.MaxGap(1), 2);  // 6 + 1 - 1 - 2 - 2
    bench.line.GenereerMogelijkheden();
    for (const std::string& p : bench.placements())
        EXPECT_EQ(p.substr(0, 5), "..##.");
}

struct ComparisonCase {
    const char* name;
    const char* solution;
    const char* known;
    const char* after; // states after one VergelijkZooi on the complete list
};

class Comparison : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(Comparison, CellsAllFittingPlacementsAgreeOnAreSet)
{
    const ComparisonCase& c = GetParam();
    LineBench bench(c.solution, c.known);
    bench.context.MaxPlacements = 1000;
    bench.line.GenereerMogelijkheden();
    ASSERT_TRUE(bench.line.GenerationComplete());
    bench.knowledge.RowChanged[0] = true;
    bench.line.VergelijkZooi();
    EXPECT_EQ(bench.states(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Comparison,
    ::testing::Values(ComparisonCase{"MiddleOfARunOfThreeInFive", "###..", "?????", "??#??"},
                      ComparisonCase{"KnownCellNarrowsThePlacements", "..##.", "?.???", "..?#?"},
                      ComparisonCase{"TwoConfirmedColoursLeaveTheCellOpen", "R.", "??", "??"},
                      ComparisonCase{"ColoursTouchingInAFullLine", "RRB", "???", "RRB"},
                      ComparisonCase{"KnownWhiteLeavesFourPlacements", "#.#..", "?.???", "?.???"},
                      ComparisonCase{"KnownWhitesFixTheSecondRun", "#.#..", "??.?.", "??.#."}),
    [](const ::testing::TestParamInfo<ComparisonCase>& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(bench.knowledge.canBe(0, 0, gw::Black), 0);
    EXPECT_EQ(bench.knowledge.canBe(0, 0, gw::White), 1);
    EXPECT_EQ(bench.knowledge.canBe(0, 0, gw::Red), 1);
    EXPECT_EQ(bench.knowledge.canBe(0, 0, gw::Blue), 2);
    // Cell 2: white, then red unconfirmed (cleared), then blue.
    EXPECT_EQ(bench.knowledge.canBe(2, 0, gw::Red), 0);
    EXPECT_EQ(bench.knowledge.canBe(2, 0, gw::Blue), 1);
}

TEST(Comparison, IncompleteListOrUnchangedLineProvesNothing)
{
    LineBench incomplete("###..", "?????");
    incomplete.context.MaxPlacements = 2;
    incomplete.line.GenereerMogelijkheden();
    incomplete.knowledge.RowChanged[0] = true;
    incomplete.line.VergelijkZooi();
    EXPECT_EQ(incomplete.states(), "?????");

    LineBench unchanged("###..", "?????");
    unchanged.line.GenereerMogelijkheden();
    unchanged.knowledge.RowChanged[0] = false;
    unchanged.line.VergelijkZooi();
    EXPECT_EQ(unchanged.states(), "?????");
}
