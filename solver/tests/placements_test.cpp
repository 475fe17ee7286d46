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
    int maxPlacements;
    int maxTries;
    Strings placements;   // in enumeration order
    bool complete;
    bool aborted;
    int candidates;       // candidates built, -1 when not checked
};

class Enumeration : public ::testing::TestWithParam<EnumerationCase> {};

TEST_P(Enumeration, ListsTheFittingPlacementsInOdometerOrderWithinTheLimits)
{
    const EnumerationCase& c = GetParam();
    LineBench bench(c.solution, c.known);
    bench.context.MaxPlacements = c.maxPlacements;
    bench.context.MaxTries = c.maxTries;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), c.placements);
    EXPECT_EQ(bench.line.GenerationComplete(), c.complete);
    EXPECT_EQ(bench.line.GenerationAborted(), c.aborted);
    if (c.candidates >= 0) {
        EXPECT_EQ(bench.context.CandidatesBuilt, c.candidates);
    }
    // Nothing was set since: the garbage collection keeps them all.
    EXPECT_EQ(bench.line.GarbageCollection(), static_cast<int>(c.placements.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Enumeration,
    ::testing::Values(
        EnumerationCase{"TwoBlackRunsInFourHaveOnePlacement", "##.#", "????", 1000, 200, {"##.#"}, true, false, -1},
        EnumerationCase{"DifferentColoursTouch", "RRB", "???", 1000, 200, {"RRB"}, true, false, -1},
        EnumerationCase{"OneRunOfTwoMovesRightCellByCell", ".##.", "????", 1000, 200, {"##..", ".##.", "..##"},
                        true, false, -1},
        EnumerationCase{"FirstGapIsTheFastestDigit", "#.#..", "?????", 1000, 200,
                        {"#.#..", ".#.#.", "..#.#", "#..#.", ".#..#", "#...#"}, true, false, -1},
        EnumerationCase{"KnownCellsFilterTheList", "##...", "?#???", 1000, 200, {"##...", ".##.."}, true, false, -1},
        EnumerationCase{"SameColourNeedsAGapOtherColoursDoNot", "R.RB.", "?????", 1000, 200,
                        {"R.RB.", ".R.RB", "R..RB", "R.R.B"}, true, false, -1},
        EnumerationCase{"EmptyClueKeepsTheListEmpty", "....", "????", 1000, 200, {}, true, false, -1},
        EnumerationCase{"ListStopsAtMaxPlacementsAndStaysIncomplete", "#.........", "??????????", 4, 200,
                        {"#.........", ".#........", "..#.......", "...#......"}, false, false, -1},
        // "###....." is white at cell 3, which cannot be white, and so are
        // cells 4 and 5: the next candidate is the pattern three cells right;
        // after the fit "....###." skips past cell 5 and runs out of room.
        EnumerationCase{"MisfitOnACellThatCannotBeWhiteSkipsPastTheBlockedCells", "...###..", "???###??", 1000, 200,
                        {"...###.."}, true, false, 3},
        // "##...", ".##.." fail at cell 1, then the two fits, then the end.
        EnumerationCase{"MisfitOnAColouredCellSkipsNothing", "..##.", "?.???", 1000, 200, {"..##.", "...##"}, true,
                        false, 4},
        EnumerationCase{"GivesUpAfterMaxTriesCandidatesWithoutAFit", "......#...", "......????", 1000, 6, {}, false,
                        true, 6},
        // Six misfits before the first fit, none between the later ones: the
        // tries count from zero at every placement, so seven is enough.
        EnumerationCase{"TriesCountFromZeroAtEveryPlacement", "......#...", "......????", 1000, 7,
                        {"......#...", ".......#..", "........#.", ".........#"}, true, false, 10}),
    [](const ::testing::TestParamInfo<EnumerationCase>& info) { return std::string(info.param.name); });

TEST(Placements, EmptyClueMakesTheLineWhite)
{
    EXPECT_EQ(LineBench("....", "????").states(), "....");
}

TEST(Placements, RegenerationAppendsFromTheFirstPlacementKeepingDuplicates)
{
    LineBench bench("#.........", "??????????");
    bench.context.MaxPlacements = 4;
    bench.line.GenereerMogelijkheden();
    bench.context.MaxPlacements = 7;
    bench.line.GenereerMogelijkheden();
    EXPECT_EQ(bench.placements(), (Strings{"#.........", ".#........", "..#.......", "...#......", "#.........",
                                           ".#........", "..#......."}));
    EXPECT_FALSE(bench.line.GenerationComplete());
}

// Two single cells in 50 have 1176 placements; with the first and the last
// cell known black, three single cells fail over a thousand candidates
// before their first fit.
TEST(Placements, EventLoopRunsEvery500PlacementsAnd1000CandidatesAndAStopEndsTheEnumeration)
{
    const std::string twoSingles = "#.#" + std::string(47, '.');
    const std::string ends = "#" + std::string(48, '?') + "#";
    struct Case {
        const char* name;
        std::string solution, known;
        bool stop;
        int placements, eventLoopRuns;
        bool complete, aborted;
    };
    const Case cases[] = {
        {"every 500 placements", twoSingles, "", false, 1176, 2, true, false},
        {"stop at the 500th placement", twoSingles, "", true, 500, 1, false, false},
        {"stop at the 1000th candidate", "#.#" + std::string(46, '.') + "#", ends, true, 0, 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineBench bench(c.solution, c.known);
        bench.context.MaxPlacements = 5000;
        bench.context.MaxTries = 100000;
        bench.observer.onEvent = [&](const std::string& e) {
            if (c.stop && e == "events")
                bench.context.StopTest = true;
        };
        bench.line.GenereerMogelijkheden();
        EXPECT_EQ(bench.line.PlacementCount(), c.placements);
        EXPECT_EQ(bench.observer.eventLoopRuns, c.eventLoopRuns);
        EXPECT_EQ(bench.line.GenerationComplete(), c.complete);
        EXPECT_EQ(bench.line.GenerationAborted(), c.aborted);
        if (c.aborted) {
            EXPECT_EQ(bench.context.CandidatesBuilt, 1000);
        }
    }
}

struct CollectionCase {
    const char* name;
    const char* set;    // cells set after the enumeration of ".##."
    bool compareFirst;  // compare, then open the set cells again
    Strings kept;
};

class Collection : public ::testing::TestWithParam<CollectionCase> {};

TEST_P(Collection, DropsFromTheEndWhatNoLongerFitsButNeverTheLastPlacement)
{
    const CollectionCase& c = GetParam();
    LineBench bench(".##.", "????");
    bench.line.GenereerMogelijkheden();
    for (int i = 0; i < 4; ++i)
        bench.setKnown(i, c.set[i]);
    if (c.compareFirst) {
        bench.line.VergelijkZooi(); // marks the misfits invalid, keeps them listed
        ASSERT_EQ(bench.line.PlacementCount(), 3);
        EXPECT_TRUE(bench.line.placement(2).IsOngeldig()); // "..##"
        for (int i = 0; i < 4; ++i)
            if (c.set[i] != '?')
                gw::SetCell(bench.knowledge, i, 0, 0, nullptr);
    }
    EXPECT_EQ(bench.line.GarbageCollection(), static_cast<int>(c.kept.size()));
    EXPECT_EQ(bench.placements(), c.kept);
    EXPECT_TRUE(bench.allValid()); // the last one is kept untested
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Collection,
    ::testing::Values(CollectionCase{"MisfitsGoTheOthersKeepTheirOrder", ".???", false, {".##.", "..##"}},
                      CollectionCase{"LastPlacementStaysAlthoughItDoesNotFit", "?..?", false, {"##.."}},
                      CollectionCase{"PlacementThatFailedOnceStaysInvalid", "???.", true, {"##..", ".##."}}),
    [](const ::testing::TestParamInfo<CollectionCase>& info) { return std::string(info.param.name); });

TEST(Placements, ColumnLineReadsItsColumn)
{
    const gw::Puzzle puzzle = gw::testing::puzzleFromRows({"#.", "##", ".#"});
    gw::ClueTables clues;
    gw::TelHokjes(puzzle, clues);
    gw::CellKnowledge knowledge;
    gw::ClearDeZooi(knowledge, puzzle, clues);
    gw::SolverContext context(knowledge, nullptr);
    gw::clsTestRijV column(clues, context);
    gw::clsTestRijH row(clues, context);
    column.InitTestRij(1);
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
