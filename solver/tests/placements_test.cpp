// Candidate placements of one line: enumeration order, skip rule, limits,
// the list that keeps duplicates, and garbage collection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SolverTestSupport.h"

using gw::testing::LineBench;
using Strings = std::vector<std::string>;

struct EnumerationCase {
    const char* name;
    const char* solution; // gives the clue
    const char* known;
    Strings placements;   // in enumeration order
};

class Enumeration : public ::testing::TestWithParam<EnumerationCase> {};

TEST_P(Enumeration, ListsEveryFittingPlacementInOdometerOrder)
{
    const EnumerationCase& c = GetParam();
    LineBench bench(c.solution, c.known);
    bench.context.MaxPlacements = 1000;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), c.placements);
    EXPECT_TRUE(bench.line.GenerationComplete());
    EXPECT_FALSE(bench.line.GenerationAborted());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Enumeration,
    ::testing::Values(
        EnumerationCase{"TwoBlackRunsInFourHaveOnePlacement", "##.#", "????", {"##.#"}},
        EnumerationCase{"DifferentColoursTouch", "RRB", "???", {"RRB"}},
        EnumerationCase{"OneRunOfTwoMovesRightCellByCell", ".##.", "????", {"##..", ".##.", "..##"}},
        EnumerationCase{"FirstGapIsTheFastestDigit", "#.#..", "?????",
                        {"#.#..", ".#.#.", "..#.#", "#..#.", ".#..#", "#...#"}},
        EnumerationCase{"KnownCellsFilterTheList", "##...", "?#???", {"##...", ".##.."}},
        EnumerationCase{"SameColourNeedsAGapOtherColoursDoNot", "R.RB.", "?????",
                        {"R.RB.", ".R.RB", "R..RB", "R.R.B"}}),
    [](const ::testing::TestParamInfo<EnumerationCase>& info) { return std::string(info.param.name); });

TEST(Placements, EmptyClueMakesTheLineWhiteAndKeepsTheListEmpty)
{
    LineBench bench("....", "????");
    EXPECT_EQ(bench.states(), "....");
    EXPECT_TRUE(bench.line.GenerationComplete());
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.line.PlacementCount(), 0);
    EXPECT_EQ(bench.line.GarbageCollection(), 0);
}

TEST(Placements, ListStopsAtMaxPlacementsAndStaysIncomplete)
{
    LineBench bench("#.#.................", std::string(20, '?'));
    bench.context.MaxPlacements = 50;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.line.PlacementCount(), 50);
    EXPECT_FALSE(bench.line.GenerationComplete());
    EXPECT_FALSE(bench.line.GenerationAborted());
}

TEST(Placements, RegenerationAppendsFromTheFirstPlacementKeepingDuplicates)
{
    LineBench bench("#.........", "??????????");
    bench.context.MaxPlacements = 4;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), (Strings{"#.........", ".#........", "..#.......", "...#......"}));
    bench.context.MaxPlacements = 7;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), (Strings{"#.........", ".#........", "..#.......", "...#......", "#.........",
                                           ".#........", "..#......."}));
    EXPECT_FALSE(bench.line.GenerationComplete());
}

TEST(Placements, MisfitOnACellThatCannotBeWhiteSkipsPastTheBlockedCells)
{
    // The first candidate "###....." is white at cell 3, which cannot be
    // white, and so are cells 4 and 5: the next candidate built is the
    // pattern three cells to the right.
    LineBench bench("...###..", "???###??");
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), (Strings{"...###.."}));
    // Two candidates to the fit; the next call builds "....###.", skips past
    // cell 5 and runs out of room.
    EXPECT_EQ(bench.context.CandidatesBuilt, 3);
}

TEST(Placements, MisfitOnAColouredCellSkipsNothing)
{
    LineBench bench("..##.", "?.???");
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), (Strings{"..##.", "...##"}));
    // "##...", ".##.." fail at cell 1, then the two fits, then the end.
    EXPECT_EQ(bench.context.CandidatesBuilt, 4);
}

TEST(Placements, GivesUpAfterMaxTriesCandidatesWithoutAFit)
{
    LineBench tooFew("......#...", "......????");
    tooFew.context.MaxTries = 6;
    tooFew.line.GenereerMogelijkheden();
    EXPECT_EQ(tooFew.line.PlacementCount(), 0);
    EXPECT_TRUE(tooFew.line.GenerationAborted());
    EXPECT_FALSE(tooFew.line.GenerationComplete());
    EXPECT_EQ(tooFew.context.CandidatesBuilt, 6);

    LineBench enough("......#...", "......????");
    enough.context.MaxTries = 7; // the seventh candidate fits
    enough.line.GenereerMogelijkheden();
    EXPECT_EQ(enough.placements(), (Strings{"......#...", ".......#..", "........#.", ".........#"}));
    EXPECT_TRUE(enough.line.GenerationComplete());
}

TEST(Placements, TriesCountFromZeroAtEveryPlacement)
{
    // Six misfits before the first fit, none between the later ones: a limit
    // of seven never cuts the enumeration although it builds ten candidates.
    LineBench bench("......#...", "......????");
    bench.context.MaxTries = 7;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.context.CandidatesBuilt, 10);
    EXPECT_TRUE(bench.line.GenerationComplete());
}

TEST(Placements, EventLoopRunsEveryFiveHundredPlacements)
{
    // Two single cells in 50 have 1176 placements.
    LineBench bench("#.#" + std::string(47, '.'), std::string(50, '?'));
    bench.context.MaxPlacements = 5000;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.line.PlacementCount(), 1176);
    EXPECT_EQ(bench.observer.eventLoopRuns, 2);
    EXPECT_TRUE(bench.line.GenerationComplete());
}

class StoppingObserver : public gw::testing::RecordingObserver {
public:
    explicit StoppingObserver(gw::SolverContext*& context) : m_context(context) {}
    void processEvents() override
    {
        RecordingObserver::processEvents();
        m_context->StopTest = true;
    }

private:
    gw::SolverContext*& m_context;
};

TEST(Placements, StopAtThe500thPlacementEndsTheListIncompleteButNotAborted)
{
    LineBench bench("#.#" + std::string(47, '.'), std::string(50, '?'));
    gw::SolverContext* context = &bench.context;
    StoppingObserver stopper(context);
    bench.context.observer = &stopper;
    bench.context.MaxPlacements = 5000;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.line.PlacementCount(), 500);
    EXPECT_FALSE(bench.line.GenerationComplete());
    EXPECT_FALSE(bench.line.GenerationAborted());
}

TEST(Placements, EventLoopRunsEveryThousandCandidatesAndAStopAbortsTheEnumeration)
{
    // Three single cells, the first on cell 0 and the last on cell 49: over
    // a thousand candidates fail before the first fit.
    std::string known(50, '?');
    known[0] = '#';
    known[49] = '#';
    LineBench bench("#.#" + std::string(46, '.') + "#", known);
    gw::SolverContext* context = &bench.context;
    StoppingObserver stopper(context);
    bench.context.observer = &stopper;
    bench.context.MaxTries = 100000;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(stopper.eventLoopRuns, 1);
    EXPECT_EQ(bench.context.CandidatesBuilt, 1000);
    EXPECT_EQ(bench.line.PlacementCount(), 0);
    EXPECT_TRUE(bench.line.GenerationAborted());
    EXPECT_FALSE(bench.line.GenerationComplete());
}

TEST(GarbageCollection, DropsPlacementsThatNoLongerFitAndKeepsTheOrder)
{
    LineBench bench(".##.", "????");
    bench.line.GenereerMogelijkheden();
    bench.setKnown(0, '.');
    EXPECT_EQ(bench.line.GarbageCollection(), 2);
    EXPECT_EQ(bench.placements(), (Strings{".##.", "..##"}));
}

TEST(GarbageCollection, NeverDropsTheLastPlacementAndDoesNotTestIt)
{
    LineBench bench(".##.", "????");
    bench.line.GenereerMogelijkheden();
    bench.setKnown(1, '.');
    bench.setKnown(2, '.');
    EXPECT_EQ(bench.line.GarbageCollection(), 1);
    EXPECT_EQ(bench.placements(), (Strings{"##.."}));
    EXPECT_FALSE(bench.line.placement(0).IsOngeldig());
}

TEST(GarbageCollection, PlacementThatFailedOnceStaysInvalid)
{
    LineBench bench(".##.", "????");
    bench.line.GenereerMogelijkheden();
    bench.setKnown(3, '.');            // "..##" no longer fits
    bench.line.VergelijkZooi();        // ... and is marked so, but stays in the list
    ASSERT_EQ(bench.line.PlacementCount(), 3);
    EXPECT_TRUE(bench.line.placement(2).IsOngeldig());
    gw::SetCell(bench.knowledge, 3, 0, 0, nullptr); // the cell is open again
    EXPECT_EQ(bench.line.GarbageCollection(), 2);
    EXPECT_EQ(bench.placements(), (Strings{"##..", ".##."}));
}

TEST(Placements, ColumnLineReadsItsColumn)
{
    gw::Puzzle puzzle = gw::testing::puzzleFromRows({"#.", "##", ".#"});
    gw::ClueTables clues;
    gw::TelHokjes(puzzle, clues);
    gw::CellKnowledge knowledge;
    gw::ClearDeZooi(knowledge, puzzle, clues);
    gw::SolverContext context(knowledge, nullptr);
    gw::clsTestRijV column(clues, context);
    column.InitTestRij(1);
    gw::clsTestRijH row(clues, context);
    row.InitTestRij(0);
    column.GenereerMogelijkheden();
    row.GenereerMogelijkheden();
    EXPECT_EQ(column.placement(0).toString(), "##.");
    EXPECT_EQ(column.placement(1).toString(), ".##");
    EXPECT_EQ(row.PlacementCount(), 2);
    gw::SetCell(knowledge, 1, 0, 2, nullptr); // cell (x 1, y 0) is white
    EXPECT_EQ(column.GarbageCollection(), 1);
    EXPECT_EQ(column.placement(0).toString(), ".##");
    EXPECT_EQ(row.GarbageCollection(), 1);
    EXPECT_EQ(row.placement(0).toString(), "#.");
}
