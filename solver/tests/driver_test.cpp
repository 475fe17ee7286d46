// The computer test driven step by step: start, ticks, verdicts, stop,
// re-entrancy through the event-loop callback, and the two mends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "SolverTestSupport.h"
#include "solver/TestDriver.h"

using gw::testing::puzzleFromRows;
using gw::testing::RecordingObserver;

namespace {

// A puzzle with its clues, knowledge, observer and driver.
struct TestRun {
    explicit TestRun(const std::vector<std::string>& rows) : TestRun(puzzleFromRows(rows)) {}
    explicit TestRun(const gw::Puzzle& p) : puzzle(p), driver(puzzle, clues, knowledge, observer)
    {
        gw::TelHokjes(puzzle, clues);
    }

    // Ticks until the test ends; returns the number of ticks.
    int toEnd(int maxTicks = 1000000)
    {
        int ticks = 0;
        while (driver.isStepping() && ticks < maxTicks) {
            driver.tick();
            ++ticks;
        }
        return ticks;
    }
    std::string row(int y) const { return gw::testing::rowStates(knowledge, y); }
    long count(const std::string& event) const
    {
        return std::count(observer.events.begin(), observer.events.end(), event);
    }

    gw::Puzzle puzzle;
    gw::ClueTables clues;
    gw::CellKnowledge knowledge;
    RecordingObserver observer;
    gw::TestDriver driver;
};

// 50 x 2: sixteen 2 x 2 blocks with one black cell in each row, apart by
// white columns, and one more block at the end. Any block may be mirrored,
// so line logic gets no further than the white columns, and the first
// placement of a row that fits lies too many candidates ahead for the try
// limit.
gw::Puzzle mirroredBlocks()
{
    std::string top;
    std::string bottom;
    for (int x = 0; x < 50; ++x) {
        top += x % 3 == 0 ? '#' : '.';
        bottom += x % 3 == 1 ? '#' : '.';
    }
    return puzzleFromRows({top, bottom});
}

} // namespace

TEST(Driver, LineSolvablePuzzleEndsSolvedAfterTestFinished)
{
    TestRun run({"#.#", ".#.", "#.#"});
    ASSERT_TRUE(run.driver.start());
    run.toEnd();
    EXPECT_EQ(run.observer.outcomes, std::vector<gw::TestOutcome>{gw::TestOutcome::Solved});
    const auto& events = run.observer.events;
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "status finished 0");
    EXPECT_EQ(events.back(), "end solved");
    EXPECT_EQ(run.row(0), "#.#");
    EXPECT_EQ(run.row(1), ".#.");
    EXPECT_FALSE(run.driver.isStepping());
    EXPECT_EQ(run.driver.rowLine(0), nullptr); // the lines are released
    EXPECT_FALSE(run.driver.tick());
}

TEST(Driver, AllWhitePuzzleIsWhiteAtTheStartAndSolvedAfterOneSweep)
{
    TestRun run({"...", "..."});
    ASSERT_TRUE(run.driver.start());
    EXPECT_EQ(run.row(0), "...");
    EXPECT_EQ(run.row(1), "...");
    const int ticks = run.toEnd();
    EXPECT_EQ(ticks, 3 + 4); // rows 0, 1 and the end of the row pass; columns 0..2 and the end of the sweep
    EXPECT_EQ(run.driver.sweeps(), 1);
    EXPECT_EQ(run.observer.outcomes.back(), gw::TestOutcome::Solved);
}

TEST(Driver, PuzzleThatNeedsGuessingEndsStuck)
{
    TestRun run({"#.", ".#"});
    ASSERT_TRUE(run.driver.start());
    run.toEnd();
    EXPECT_EQ(run.observer.outcomes, std::vector<gw::TestOutcome>{gw::TestOutcome::Stuck});
    EXPECT_EQ(run.row(0), "??");
    EXPECT_EQ(run.driver.sweeps(), 1);
    EXPECT_EQ(run.driver.regenerations(), 1);
}

TEST(Driver, StartSetsLimitsAndPassVariables)
{
    TestRun run({"#.#", ".#.", "#.#"});
    ASSERT_TRUE(run.driver.start());
    EXPECT_EQ(run.driver.MaxPlacements(), 50);
    EXPECT_EQ(run.driver.MaxTries(), 200); // doubled by the first regeneration
    EXPECT_TRUE(run.driver.PassIsRows());
    EXPECT_EQ(run.driver.PassLine(), -1);
    EXPECT_EQ(run.driver.regenerations(), 1);
    // The start clears the field, then cleans, then enumerates rows before columns.
    const auto& e = run.observer.events;
    ASSERT_GE(e.size(), 8u);
    EXPECT_EQ(e[0], "cleared");
    EXPECT_EQ(e[1], "status cleaning 0");
    EXPECT_EQ(e[2], "status considering-row 1");
    EXPECT_EQ(e[4], "status considering-row 3");
    EXPECT_EQ(e[5], "status considering-column 1");
}

TEST(Driver, StatusNumbersLinesFromOneAndEverySweepComparesRowAndColumnZero)
{
    // Needs two sweeps: see the progress-counting regression below.
    TestRun run({"....#..", ".#.#...", ".#.#.#.", "..#.#.."});
    ASSERT_TRUE(run.driver.start());
    run.toEnd();
    ASSERT_GE(run.driver.sweeps(), 2);
    EXPECT_EQ(run.count("status comparing-row 1"), run.driver.sweeps());
    EXPECT_EQ(run.count("status comparing-column 1"), run.driver.sweeps());
    EXPECT_EQ(run.count("status comparing-column 7"), run.driver.sweeps());
    EXPECT_EQ(run.count("status comparing-row 0"), 0);
    EXPECT_EQ(run.count("status comparing-row 5"), 0);
}

TEST(Driver, ConfirmationsAreForgottenAtTheStartOfEachPass)
{
    TestRun run({"###..", ".###.", "..###", ".....", "#...#"});
    ASSERT_TRUE(run.driver.start());
    for (int y = 0; y < 5; ++y)
        run.driver.tick(); // the row pass
    // Row 0 "???" (run of 3 in 5): its fitting placements confirmed black
    // and white on the open cells 0, 1, 3, 4.
    ASSERT_EQ(run.knowledge.state(0, 0), 0);
    EXPECT_EQ(run.knowledge.canBe(0, 0, gw::Black), 1);
    EXPECT_EQ(run.knowledge.canBe(2, 0, gw::Black), 1); // known black keeps its mark
    run.driver.tick(); // end of the row pass
    EXPECT_FALSE(run.driver.PassIsRows());
    EXPECT_EQ(run.knowledge.canBe(0, 0, gw::Black), 1);
    run.driver.tick(); // the first tick of the column pass resets
    EXPECT_EQ(run.knowledge.canBe(2, 0, gw::Black), 1);
    EXPECT_NE(run.knowledge.canBe(0, 0, gw::Black), 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            if (x != 0 && run.knowledge.state(x, y) == 0) {
                for (int q = 0; q < gw::PaletteSize; ++q) {
                    EXPECT_NE(run.knowledge.canBe(x, y, q), 1) << x << "," << y << " " << q;
                }
            }
}

TEST(Driver, StopOnlyWhileSteppingAndThenTicksAreRefused)
{
    TestRun run({"#.", ".#"});
    run.driver.stop(); // disabled: nothing happens
    EXPECT_TRUE(run.observer.events.empty());
    ASSERT_TRUE(run.driver.start());
    run.driver.tick();
    run.driver.stop();
    EXPECT_FALSE(run.driver.isStepping());
    EXPECT_TRUE(run.driver.StopTest());
    const auto& e = run.observer.events;
    EXPECT_EQ(e[e.size() - 2], "status stopped 0");
    EXPECT_EQ(e.back(), "end stopped");
    EXPECT_FALSE(run.driver.tick());
    EXPECT_NE(run.driver.rowLine(0), nullptr); // the lines stay until the next start
    ASSERT_TRUE(run.driver.start());           // a new start begins afresh
    EXPECT_FALSE(run.driver.StopTest());
    EXPECT_EQ(run.row(0), "??");
}

TEST(Driver, StopRequestDuringTheFirstEnumerationLeavesTheTimerOff)
{
    struct Closing : RecordingObserver {
        gw::TestDriver* driver = nullptr;
        void statusText(gw::SolverStatus text, int line) override
        {
            RecordingObserver::statusText(text, line);
            if (text == gw::SolverStatus::ConsideringRow && line == 2)
                driver->requestStop();
        }
    };
    const gw::Puzzle puzzle = puzzleFromRows({"#.#", ".#.", "#.#"});
    gw::ClueTables clues;
    gw::TelHokjes(puzzle, clues);
    gw::CellKnowledge knowledge;
    Closing observer;
    gw::TestDriver driver(puzzle, clues, knowledge, observer);
    observer.driver = &driver;
    EXPECT_FALSE(driver.start());
    EXPECT_FALSE(driver.isStepping());
    EXPECT_EQ(observer.events.back(), "status considering-row 2");
    EXPECT_FALSE(driver.tick());
}

// A stop, a tick and a start from inside the event loop of a regeneration
// that runs in a tick.
TEST(Driver, EventLoopCallbackCannotStartOverlappingTicksOrStarts)
{
    struct Reentrant : RecordingObserver {
        gw::TestDriver* driver = nullptr;
        bool tickRefused = false;
        bool startRefused = false;
        bool stopAtFirst = false;
        void processEvents() override
        {
            RecordingObserver::processEvents();
            if (eventLoopRuns > 1)
                return;
            tickRefused = !driver->tick();
            startRefused = !driver->start();
            EXPECT_TRUE(driver->isBusy());
            if (stopAtFirst)
                driver->stop();
        }
    };
    const gw::Puzzle puzzle = mirroredBlocks();
    gw::ClueTables clues;
    gw::TelHokjes(puzzle, clues);
    for (bool stop : {false, true}) {
        gw::CellKnowledge knowledge;
        Reentrant observer;
        observer.stopAtFirst = stop;
        gw::TestDriver driver(puzzle, clues, knowledge, observer);
        observer.driver = &driver;
        ASSERT_TRUE(driver.start());
        int ticks = 0;
        while (driver.isStepping() && ticks < 100000) {
            driver.tick();
            ++ticks;
        }
        ASSERT_GE(observer.eventLoopRuns, 1);
        EXPECT_TRUE(observer.tickRefused);
        EXPECT_TRUE(observer.startRefused);
        EXPECT_FALSE(driver.isBusy());
        if (stop) {
            // The stop ends the enumeration at once: no more lines are
            // enumerated, and the test ends stopped.
            const auto& e = observer.events;
            const auto at = std::find(e.begin(), e.end(), "events");
            ASSERT_NE(at, e.end());
            EXPECT_EQ(std::vector<std::string>(at + 1, e.end()),
                      (std::vector<std::string>{"status stopped 0", "end stopped"}));
        } else {
            EXPECT_EQ(observer.outcomes.back(), gw::TestOutcome::LimitsExhausted);
        }
    }
}

// Regression: cells set by the comparison passes did not count as progress,
// so this puzzle ended "can't solve any further" after its first sweep,
// whose comparisons set cells while its completion cycles set none.
TEST(Driver, CellsSetByComparisonsCountAsProgress)
{
    struct SweepWatch : RecordingObserver {
        int phase = 0; // 1 comparing, 2 completing
        int byComparison = 0;
        int byCompletion = 0;
        std::vector<std::pair<int, int>> sweeps;
        void cellSet(int x, int y, std::uint8_t v) override
        {
            RecordingObserver::cellSet(x, y, v);
            (phase == 1 ? byComparison : byCompletion) += phase == 0 ? 0 : 1;
        }
        void statusText(gw::SolverStatus text, int line) override
        {
            RecordingObserver::statusText(text, line);
            if (text == gw::SolverStatus::ComparingRow && line == 1) {
                phase = 1;
                byComparison = byCompletion = 0;
            } else if (text == gw::SolverStatus::FinishingBlocks) {
                phase = 2;
            } else if (text == gw::SolverStatus::Clear) {
                phase = 0;
                sweeps.emplace_back(byComparison, byCompletion);
            }
        }
    };
    const gw::Puzzle puzzle = puzzleFromRows({"....#..", ".#.#...", ".#.#.#.", "..#.#.."});
    gw::ClueTables clues;
    gw::TelHokjes(puzzle, clues);
    gw::CellKnowledge knowledge;
    SweepWatch watch;
    gw::TestDriver driver(puzzle, clues, knowledge, watch);
    ASSERT_TRUE(driver.start());
    while (driver.isStepping())
        driver.tick();
    ASSERT_GE(watch.sweeps.size(), 2u);
    EXPECT_GT(watch.sweeps[0].first, 0);  // the first sweep's comparisons set cells
    EXPECT_EQ(watch.sweeps[0].second, 0); // its completion cycles none
    EXPECT_EQ(watch.outcomes, std::vector<gw::TestOutcome>{gw::TestOutcome::Solved});
}

// Regression: with the try limit at its cap, a row whose first fitting
// placement lies further ahead gave up at every regeneration, no list grew,
// and the test regenerated for ever.
TEST(Driver, RepeatedStateBeforeARegenerationEndsTheTestAsLimitsExhausted)
{
    TestRun run(mirroredBlocks());
    ASSERT_TRUE(run.driver.start());
    run.toEnd(200000);
    EXPECT_FALSE(run.driver.isStepping());
    EXPECT_TRUE(run.driver.endlessDetected());
    EXPECT_EQ(run.observer.outcomes, std::vector<gw::TestOutcome>{gw::TestOutcome::LimitsExhausted});
    const auto& e = run.observer.events;
    EXPECT_EQ(e[e.size() - 2], "status finished 0");
    // Every white column is known; no block cell is.
    EXPECT_EQ(run.row(0), std::string("??.??.??.??.??.??.??.??.??.??.??.??.??.??.??.??.??"));
    EXPECT_GE(run.driver.regenerations(), 11); // until the try limit reached its cap
}

TEST(Driver, LimitsDoubleWhileTheListsGrowAndEndTheTestBefore32768)
{
    // Stuck everywhere and every row has many placements: each sweep ends
    // regenerating with doubled limits until the placement limit runs out.
    std::vector<std::string> rows;
    for (int y = 0; y < 12; ++y) {
        std::string row(24, '.');
        for (int x = 0; x < 24; ++x)
            if ((x + y) % 6 == 0 || (x * 7 + y * 3) % 11 == 0)
                row[static_cast<std::size_t>(x)] = '#';
        rows.push_back(row);
    }
    TestRun run(rows);
    ASSERT_TRUE(run.driver.start());
    std::vector<std::int32_t> limits{run.driver.MaxPlacements()};
    while (run.driver.isStepping()) {
        run.driver.tick();
        if (run.driver.isStepping() && run.driver.MaxPlacements() != limits.back())
            limits.push_back(run.driver.MaxPlacements());
    }
    EXPECT_EQ(run.observer.outcomes, std::vector<gw::TestOutcome>{gw::TestOutcome::LimitsExhausted});
    EXPECT_FALSE(run.driver.endlessDetected());
    // 50 doubled nine times; the tenth doubling would reach 51200.
    EXPECT_EQ(limits, (std::vector<std::int32_t>{50, 100, 200, 400, 800, 1600, 3200, 6400, 12800, 25600}));
    EXPECT_EQ(run.driver.largestList(), 25600);
}
