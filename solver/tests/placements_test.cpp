// Candidate placements of one line: enumeration order, skip rule, limits,
// the list that keeps duplicates, and garbage collection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SolverTestSupport.h"

using gw::testing::LineBench;
using Strings = std::vector<std::string>;

// Placements in enumeration order; -1 candidates: not checked.
TEST(Placements, ListsTheFittingPlacementsInOdometerOrderWithinTheLimits)
{
    struct Case {
        const char* name;
        const char* solution; // gives the clue
        const char* known;
        int maxPlacements, maxTries;
        Strings placements;
        bool complete, aborted;
        int candidates;
    };
    const Case cases[] = {
        {"two black runs in four have one placement", "##.#", "????", 1000, 200, {"##.#"}, true, false, -1},
        {"different colours touch", "RRB", "???", 1000, 200, {"RRB"}, true, false, -1},
        {"one run of two moves right cell by cell", ".##.", "????", 1000, 200, {"##..", ".##.", "..##"}, true, false, -1},
        {"the first gap is the fastest digit", "#.#..", "?????", 1000, 200,
         {"#.#..", ".#.#.", "..#.#", "#..#.", ".#..#", "#...#"}, true, false, -1},
        {"known cells filter the list", "##...", "?#???", 1000, 200, {"##...", ".##.."}, true, false, -1},
        {"same colour needs a gap, others do not", "R.RB.", "?????", 1000, 200, {"R.RB.", ".R.RB", "R..RB", "R.R.B"},
         true, false, -1},
        {"an empty clue keeps the list empty", "....", "????", 1000, 200, {}, true, false, -1},
        {"the list stops at MaxPlacements, incomplete", "#.........", "??????????", 4, 200,
         {"#.........", ".#........", "..#.......", "...#......"}, false, false, -1},
        // "###....." is white at cell 3, which cannot be white, and so are
        // cells 4 and 5: the next candidate is the pattern three cells right;
        // after the fit "....###." skips past cell 5 and runs out of room.
        {"a misfit on a cell that cannot be white skips", "...###..", "???###??", 1000, 200, {"...###.."}, true, false, 3},
        // "##...", ".##.." fail at cell 1, then the two fits, then the end.
        {"a misfit on a coloured cell skips nothing", "..##.", "?.???", 1000, 200, {"..##.", "...##"}, true, false, 4},
        {"gives up after MaxTries candidates without a fit", "......#...", "......????", 1000, 6, {}, false, true, 6},
        // Six misfits before the first fit, none between the later ones: the
        // tries count from zero at every placement, so seven is enough.
        {"tries count from zero at every placement", "......#...", "......????", 1000, 7,
         {"......#...", ".......#..", "........#.", ".........#"}, true, false, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
}

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

// ".##." enumerated; then cells set (and, after a comparison, opened again).
TEST(GarbageCollection, DropsFromTheEndWhatNoLongerFitsButNeverTheLastPlacement)
{
    struct Case {
        const char* name;
        const char* set;
        bool compareFirst;
        Strings kept;
    };
    const Case cases[] = {
        {"misfits go, the others keep their order", ".???", false, {".##.", "..##"}},
        {"the last placement stays although it does not fit", "?..?", false, {"##.."}},
        {"a placement that failed once stays invalid", "???.", true, {"##..", ".##."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
}
