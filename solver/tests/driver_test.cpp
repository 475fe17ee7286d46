// The computer test driven step by step: start, ticks, verdicts, stop,
// re-entrancy through the event-loop callback, and the two mends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SolverTestSupport.h"
#include "solver/SolverDriver.h"

using gw::SolverOutcome;
using Rows = std::vector<std::string>;
using Outcomes = std::vector<SolverOutcome>;

namespace {

// A puzzle with its clues, knowledge, observer and driver.
struct DriverRun {
    explicit DriverRun(const Rows& rows) : DriverRun(gw::testing::puzzleFromRows(rows)) { }
    explicit DriverRun(const gw::Puzzle& p) : puzzle(p), driver(puzzle, clues, knowledge, observer)
    {
        gw::deriveClues(puzzle, clues);
    }

    // Starts and ticks until the test ends; returns the number of ticks.
    int toEnd()
    {
        EXPECT_TRUE(driver.start());
        int ticks = 0;
        while (driver.isStepping() && ticks < 1000000) {
            driver.tick();
            ++ticks;
        }
        return ticks;
    }
    Rows rows() const
    {
        Rows r;
        for (int y = 0; y < puzzle.height; ++y)
            r.push_back(gw::testing::rowStates(knowledge, y));
        return r;
    }
    long count(const std::string& event) const
    {
        return std::count(observer.events.begin(), observer.events.end(), event);
    }
    // The last n events.
    Rows last(std::size_t n) const { return Rows(observer.events.end() - static_cast<long>(n), observer.events.end()); }

    gw::Puzzle puzzle;
    gw::ClueTables clues;
    gw::CellKnowledge knowledge;
    gw::testing::RecordingObserver observer;
    gw::SolverDriver driver;
};

// 50 x 2: sixteen 2 x 2 blocks with one black cell in each row, apart by
// white columns, and one more block at the end. Any block may be mirrored,
// so line logic gets no further than the white columns, and the first
// placement of a row that fits lies too many candidates ahead for the try
// limit.
gw::Puzzle mirroredBlocks()
{
    return gw::testing::puzzleFromRows({gwtest::repeat("#..", 16) + "#.", gwtest::repeat(".#.", 16) + ".#"});
}

// Needs two sweeps; its first sweep's completion cycles set no cell.
const Rows TwoSweeps {"....#..", ".#.#...", ".#.#.#.", "..#.#.."};

} // namespace

// The field at the end (empty: the picture); sweeps -1: the counts not checked.
TEST(Driver, TestEndsWithItsVerdictAfterTestFinished)
{
    struct Case {
        const char* name;
        Rows rows;
        SolverOutcome outcome;
        Rows end;
        int sweeps, regenerations, ticks;
    };
    const Case cases[] = {
        {"line-solvable puzzle", {"#.#", ".#.", "#.#"}, SolverOutcome::Solved, {}, -1, -1, -1},
        {"colour puzzle", {"RRB.", "R.BB", "GGG.", ".#.#"}, SolverOutcome::Solved, {}, -1, -1, -1},
        // White from the start; rows 0, 1 and the end of the row pass,
        // columns 0..2 and the end of the sweep.
        {"all-white puzzle", {"...", "..."}, SolverOutcome::Solved, {}, 1, 1, 3 + 4},
        {"puzzle that needs guessing", {"#.", ".#"}, SolverOutcome::Stuck, {"??", "??"}, 1, 1, 3 + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriverRun run(c.rows);
        const int ticks = run.toEnd();
        EXPECT_EQ(run.observer.outcomes, Outcomes {c.outcome});
        EXPECT_EQ(run.last(2)[0], "status finished 0");
        EXPECT_EQ(run.last(1)[0].rfind("end ", 0), 0u);
        EXPECT_EQ(run.rows(), c.end.empty() ? c.rows : c.end);
        EXPECT_FALSE(run.driver.isStepping());
        EXPECT_EQ(run.driver.rowLine(0), nullptr); // the lines are released
        EXPECT_FALSE(run.driver.tick());
        if (c.sweeps >= 0) {
            EXPECT_EQ(run.driver.sweeps(), c.sweeps);
            EXPECT_EQ(run.driver.regenerations(), c.regenerations);
            EXPECT_EQ(ticks, c.ticks);
        }
    }
}

TEST(Driver, StartSetsLimitsAndPassVariablesAndEnumeratesRowsBeforeColumns)
{
    DriverRun run({"#.#", ".#.", "#.#"});
    ASSERT_TRUE(run.driver.start());
    EXPECT_EQ(run.driver.maxPlacements(), 50);
    EXPECT_EQ(run.driver.maxTries(), 200); // doubled by the first regeneration
    EXPECT_TRUE(run.driver.passIsRows());
    EXPECT_EQ(run.driver.passLine(), -1);
    EXPECT_EQ(run.driver.regenerations(), 1);
    EXPECT_EQ(Rows(run.observer.events.begin(), run.observer.events.begin() + 6),
              (Rows {"cleared", "status cleaning 0", "status considering-row 1", "status considering-row 2",
                     "status considering-row 3", "status considering-column 1"}));
}

TEST(Driver, ConfirmationsAreForgottenAtTheStartOfEachPass)
{
    DriverRun run({"###..", ".###.", "..###", ".....", "#...#"});
    ASSERT_TRUE(run.driver.start());
    for (int tick = 0; tick < 6; ++tick)
        run.driver.tick(); // the row pass and its end
    // Row 0 "??#??" (run of 3 in 5): its fitting placements confirmed black
    // and white on the open cell 0; the known black cell keeps its mark.
    ASSERT_FALSE(run.driver.passIsRows());
    EXPECT_EQ(gw::testing::canBeMarks(run.knowledge, 0, 0), "11000000");
    EXPECT_EQ(gw::testing::canBeMarks(run.knowledge, 2, 0), "10000000");
    run.driver.tick(); // the column pass begins: reset, then column 0
    EXPECT_EQ(gw::testing::canBeMarks(run.knowledge, 2, 0), "10000000");
    EXPECT_NE(gw::testing::canBeMarks(run.knowledge, 0, 0)[0], '0');
    for (int i = 0; i < 25; ++i) // the open cells outside column 0
        if (i % 5 > 0 && run.knowledge.state(i % 5, i / 5) == 0) {
            EXPECT_EQ(gw::testing::canBeMarks(run.knowledge, i % 5, i / 5).find('1'), std::string::npos) << i;
        }
}

TEST(Driver, StopOnlyWhileSteppingAndAStopRequestDuringTheFirstEnumerationLeavesTheTimerOff)
{
    DriverRun run({"#.#", ".#.", "#.#"});
    run.driver.stop(); // disabled: nothing happens
    EXPECT_TRUE(run.observer.events.empty());
    run.observer.onEvent = [&](const std::string& e) {
        if (e == "status considering-row 2")
            run.driver.requestStop();
    };
    EXPECT_FALSE(run.driver.start());
    EXPECT_FALSE(run.driver.isStepping());
    EXPECT_EQ(run.observer.events.back(), "status considering-row 2");
    EXPECT_FALSE(run.driver.tick());
    run.observer.onEvent = nullptr;
    ASSERT_TRUE(run.driver.start());
    run.driver.tick();
    run.driver.stop();
    EXPECT_FALSE(run.driver.isStepping());
    EXPECT_TRUE(run.driver.stopRequested());
    EXPECT_EQ(run.last(2), (Rows {"status stopped 0", "end stopped"}));
    EXPECT_FALSE(run.driver.tick());
    EXPECT_NE(run.driver.rowLine(0), nullptr); // the lines stay until the next start
    ASSERT_TRUE(run.driver.start());           // a new start begins afresh
    EXPECT_FALSE(run.driver.stopRequested());
    EXPECT_EQ(run.rows()[0], "???");
}

// A tick and a start from inside the event loop of a regeneration that runs
// in a tick are refused; a stop from there ends the test at once.
TEST(Driver, EventLoopCallbackCannotStartOverlappingTicksOrStarts)
{
    DriverRun run(mirroredBlocks());
    run.observer.onEvent = [&](const std::string& e) {
        if (e != "events" || run.observer.eventLoopRuns > 1)
            return;
        EXPECT_FALSE(run.driver.tick());
        EXPECT_FALSE(run.driver.start());
        EXPECT_TRUE(run.driver.isBusy());
        run.driver.stop();
    };
    run.toEnd();
    EXPECT_FALSE(run.driver.isBusy());
    const auto& e = run.observer.events;
    const auto at = std::find(e.begin(), e.end(), "events");
    ASSERT_NE(at, e.end());
    EXPECT_EQ(Rows(at + 1, e.end()), (Rows {"status stopped 0", "end stopped"})); // no more lines are enumerated
}

// Regression: cells set by the comparison passes did not count as progress,
// so this puzzle ended "can't solve any further" after its first sweep,
// whose comparisons set cells while its completion cycles set none.
// Every sweep also compares row 0 and column 0; the status numbers lines from 1.
TEST(Driver, CellsSetByComparisonsCountAsProgress)
{
    DriverRun run(TwoSweeps);
    run.toEnd();
    ASSERT_GE(run.driver.sweeps(), 2);
    for (const char* status : {"comparing-row 1", "comparing-column 1", "comparing-column 7"})
        EXPECT_EQ(run.count(std::string("status ") + status), run.driver.sweeps()) << status;
    EXPECT_EQ(run.count("status comparing-row 0") + run.count("status comparing-row 5"), 0);
    // Cells of the first sweep, by its comparisons and by its completion cycles.
    const auto& e = run.observer.events;
    const auto compare = std::find(e.begin(), e.end(), "status comparing-row 1");
    const auto complete = std::find(compare, e.end(), "status finishing 0");
    const auto verdict = std::find(complete, e.end(), "status clear 0");
    ASSERT_NE(verdict, e.end());
    const auto cells = [](auto from, auto to) {
        return std::count_if(from, to, [](const std::string& s) { return s.rfind("cell ", 0) == 0; });
    };
    EXPECT_GT(cells(compare, complete), 0);
    EXPECT_EQ(cells(complete, verdict), 0);
    EXPECT_EQ(run.observer.outcomes, Outcomes {SolverOutcome::Solved});
}

// Regression: with the try limit at its cap, a row whose first fitting
// placement lies further ahead gave up at every regeneration, no list grew,
// and the test regenerated for ever.
TEST(Driver, RepeatedStateBeforeARegenerationEndsTheTestAsLimitsExhausted)
{
    DriverRun run(mirroredBlocks());
    run.toEnd();
    EXPECT_FALSE(run.driver.isStepping());
    EXPECT_TRUE(run.driver.endlessDetected());
    EXPECT_EQ(run.observer.outcomes, Outcomes {SolverOutcome::LimitsExhausted});
    EXPECT_EQ(run.last(2)[0], "status finished 0");
    // Every white column is known; no block cell is.
    EXPECT_EQ(run.rows()[0], gwtest::repeat("??.", 16) + "??");
    EXPECT_GE(run.driver.regenerations(), 11); // until the try limit reached its cap
}

TEST(Driver, LimitsDoubleWhileTheListsGrowAndEndTheTestBefore32768)
{
    // Stuck everywhere and every row has many placements: each sweep ends
    // regenerating with doubled limits until the placement limit runs out.
    Rows rows(12, std::string(24, '.'));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x)
            if ((x + y) % 6 == 0 || (x * 7 + y * 3) % 11 == 0)
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
    DriverRun run(rows);
    ASSERT_TRUE(run.driver.start());
    std::vector<std::int32_t> limits {run.driver.maxPlacements()};
    while (run.driver.isStepping()) {
        run.driver.tick();
        if (run.driver.isStepping() && run.driver.maxPlacements() != limits.back())
            limits.push_back(run.driver.maxPlacements());
    }
    EXPECT_EQ(run.observer.outcomes, Outcomes {SolverOutcome::LimitsExhausted});
    EXPECT_FALSE(run.driver.endlessDetected());
    // 50 doubled nine times; the tenth doubling would reach 51200.
    EXPECT_EQ(limits, (std::vector<std::int32_t> {50, 100, 200, 400, 800, 1600, 3200, 6400, 12800, 25600}));
    EXPECT_EQ(run.driver.largestList(), 25600);
}
