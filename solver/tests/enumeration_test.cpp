// The enumeration of a line's placements against a plain reference that
// builds and tests every candidate cell by cell, on random lines: the
// placements, the candidates counted, the event loop runs, a stop, the try
// and placement limits, and enumerations repeated after garbage collection
// or not (with the cells unchanged, narrowed, or the gap bounds tightened).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "SolverTestSupport.h"

#include "solver/LineSolver.h"

namespace {

// What one enumeration does, as the rules tell it.
struct ReferenceRun {
    std::vector<std::string> appended;
    long long built = 0;
    int eventLoopRuns = 0;
    bool complete = false;
    bool aborted = false;
};

// The line as the reference sees it: the clue, the values each cell can take
// (bit v - 1 for cell value v), the gap bounds and the limits.
struct ReferenceLine {
    std::vector<int> lengths;
    std::vector<int> values; // cell value of each run (palette index + 1)
    std::vector<unsigned> possible;
    std::vector<int> minGap, maxGap;
    int maxTries = 200;
    int maxPlacements = 50;
    int stopAtEvent = 0; // the event loop run that requests a stop (0: none)

    ReferenceRun enumerate(int countBefore) const
    {
        ReferenceRun run;
        const int n = static_cast<int>(lengths.size());
        const int length = static_cast<int>(possible.size());
        int runTotal = 0;
        for (int l : lengths)
            runTotal += l;
        std::vector<int> gaps = minGap;
        gaps[0] -= 1;
        std::vector<int> cells(static_cast<std::size_t>(length));
        const auto canBe = [&](int i, int value) {
            return (possible[static_cast<std::size_t>(i)] >> (value - 1)) & 1u;
        };
        const auto eventLoop = [&] {
            ++run.eventLoopRuns;
            return run.eventLoopRuns == stopAtEvent;
        };
        // One call of the search: true when a fitting candidate is in `cells`.
        const auto next = [&]() {
            long long tries = 0;
            int failPos = -1;
            for (;;) {
                if (failPos >= 0 && cells[static_cast<std::size_t>(failPos)] == gw::StateWhite) {
                    int i = failPos;
                    do
                        ++i;
                    while (i < length && !canBe(i, gw::StateWhite));
                    gaps[0] += i - failPos - 1;
                }
                int k = 0;
                for (;;) {
                    ++gaps[static_cast<std::size_t>(k)];
                    int sum = runTotal;
                    for (int g : gaps)
                        sum += g;
                    if (gaps[static_cast<std::size_t>(k)] <= maxGap[static_cast<std::size_t>(k)] && sum <= length)
                        break;
                    gaps[static_cast<std::size_t>(k)] = minGap[static_cast<std::size_t>(k)];
                    if (++k == n) {
                        run.built += tries;
                        return false;
                    }
                }
                std::fill(cells.begin(), cells.end(), gw::StateWhite);
                for (int r = 0, pos = 0; r < n; ++r) {
                    pos += gaps[static_cast<std::size_t>(r)];
                    for (int c = 0; c < lengths[static_cast<std::size_t>(r)]; ++c)
                        cells[static_cast<std::size_t>(pos++)] = values[static_cast<std::size_t>(r)];
                }
                ++tries;
                int misfit = -1;
                for (int i = 0; i < length && misfit < 0; ++i)
                    if (!canBe(i, cells[static_cast<std::size_t>(i)]))
                        misfit = i;
                if (tries >= maxTries && misfit >= 0) {
                    run.aborted = true;
                    run.built += tries;
                    return false;
                }
                if (tries % 1000 == 0 && eventLoop()) {
                    run.aborted = true;
                    run.built += tries;
                    return false;
                }
                if (misfit < 0) {
                    run.built += tries;
                    return true;
                }
                failPos = misfit;
            }
        };
        int count = countBefore;
        for (;;) {
            if (!next()) {
                run.complete = !run.aborted;
                return run;
            }
            std::string text;
            for (int v : cells)
                text += gw::testing::StateChars[static_cast<std::size_t>(v)];
            run.appended.push_back(text);
            ++count;
            if (count >= maxPlacements || (count % 500 == 0 && eventLoop()))
                return run;
        }
    }
};

// A random row: its solution, the line bench around it and the knowledge.
struct RandomLine {
    explicit RandomLine(std::mt19937& random)
    {
        const int length = 1 + static_cast<int>(random() % 50);
        const int colors = 1 + static_cast<int>(random() % 4);
        const int density = 20 + static_cast<int>(random() % 70);
        for (int i = 0; i < length; ++i) {
            if (static_cast<int>(random() % 100) >= density) {
                solution += '.';
            } else {
                const char colorChars[] = "#RBG";
                solution += colorChars[random() % static_cast<unsigned>(colors)];
            }
        }
        puzzle = gw::testing::puzzleFromRows({solution});
        gw::deriveClues(puzzle, clues);
    }

    std::string solution;
    gw::Puzzle puzzle;
    gw::ClueTables clues;
};

struct Bench {
    explicit Bench(const RandomLine& random) : line(gw::Orientation::Row, random.clues, context)
    {
        const gw::Puzzle& puzzle = random.puzzle;
        knowledge.reset(puzzle.width, 1);
        for (int k = 0; k < random.clues.rows[0].count; ++k)
            for (int x = 0; x < puzzle.width; ++x)
                knowledge.setCanBe(x, 0, random.clues.rows[0].color(k), gw::ColorOpen);
        line.initialize(0);
        observer.onEvent = [this](const std::string& event) {
            if (event == "events" && observer.eventLoopRuns == stopAtEvent)
                context.stopRequested = true;
        };
    }

    ReferenceLine reference(const RandomLine& random) const
    {
        ReferenceLine ref;
        for (int k = 0; k < line.runCount(); ++k) {
            ref.lengths.push_back(random.clues.rows[0].length(k));
            ref.values.push_back(random.clues.rows[0].color(k) + 1);
            ref.minGap.push_back(line.minGap(k));
            ref.maxGap.push_back(line.maxGap(k));
        }
        for (int x = 0; x < line.length(); ++x) {
            unsigned bits = 0;
            for (int q = 0; q < gw::PaletteSize; ++q)
                if (knowledge.canBe(x, 0, q) != gw::ColorExcluded)
                    bits |= 1u << q;
            ref.possible.push_back(bits);
        }
        ref.maxTries = context.maxTries;
        ref.maxPlacements = context.maxPlacements;
        ref.stopAtEvent = stopAtEvent > 0 ? stopAtEvent - observer.eventLoopRuns : 0;
        return ref;
    }

    gw::CellKnowledge knowledge;
    gw::testing::RecordingObserver observer;
    gw::SolverContext context {knowledge, &observer};
    gw::LineSolver line;
    int stopAtEvent = 0;
};

// Narrows the cells at random, always keeping the solution possible: a cell
// set to its value (a coloured one makes white impossible there, which
// brings in the skip rule), or a colour other than the cell's excluded.
void narrowCells(Bench& bench, const RandomLine& random, std::mt19937& rng, bool mayKnowColoredCells)
{
    const int length = bench.line.length();
    const int changes = static_cast<int>(rng() % 6);
    for (int c = 0; c < changes; ++c) {
        const int x = static_cast<int>(rng() % static_cast<unsigned>(length));
        const char value = random.solution[static_cast<std::size_t>(x)];
        const int state = static_cast<int>(gw::testing::StateChars.find(value));
        if (rng() % 3 == 0 && (value == '.' || mayKnowColoredCells)) {
            gw::setCell(bench.knowledge, x, 0, static_cast<std::uint8_t>(state), nullptr);
        } else {
            const int q = static_cast<int>(rng() % gw::PaletteSize);
            if (q != state - 1 && q != gw::White)
                bench.knowledge.setCanBe(x, 0, q, gw::ColorExcluded);
        }
    }
}

} // namespace

TEST(Enumeration, RandomLinesMatchTheCandidateByCandidateRules)
{
    std::mt19937 rng(20240512);
    const int triesChoices[] = {1, 7, 200, 1500, 4000};
    const int limitChoices[] = {1, 3, 40, 700};
    int casesWithEvents = 0;
    int casesAborted = 0;
    for (int c = 0; c < 1500; ++c) {
        const RandomLine random(rng);
        SCOPED_TRACE("case " + std::to_string(c) + ", solution " + random.solution);
        if (random.clues.rows[0].count == 0)
            continue;
        Bench bench(random);
        const bool mayKnowColoredCells = rng() % 2 == 0;
        for (int round = 0; round < 5; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            // Half the rounds leave the cells and the bounds as they are and
            // raise the limits, as most regenerations do.
            const bool unchanged = round > 0 && rng() % 2 == 0;
            if (!unchanged) {
                narrowCells(bench, random, rng, mayKnowColoredCells);
                if (rng() % 3 == 0) {
                    bench.line.deduceFromRunRanges();
                    if (bench.line.lineDone())
                        break;
                    bench.line.tightenGapBounds();
                }
            }
            if (rng() % 4 != 0)
                bench.line.dropUnfitPlacements();
            const int tries = triesChoices[rng() % 5];
            bench.context.maxTries = unchanged ? std::max(tries, bench.context.maxTries) : tries;
            const int limit = limitChoices[rng() % 4];
            bench.context.maxPlacements = unchanged ? std::max(limit, bench.context.maxPlacements) : limit;
            bench.stopAtEvent = rng() % 8 == 0 ? bench.observer.eventLoopRuns + 1 : 0;
            const int before = bench.line.placementCount();
            const ReferenceRun expected = bench.reference(random).enumerate(before);
            const long long builtBefore = bench.context.candidatesBuilt;
            const int eventsBefore = bench.observer.eventLoopRuns;
            bench.line.enumeratePlacements();
            std::vector<std::string> appended;
            for (int p = before; p < bench.line.placementCount(); ++p)
                appended.push_back(bench.line.placement(p).toString());
            ASSERT_EQ(appended, expected.appended);
            ASSERT_EQ(bench.context.candidatesBuilt - builtBefore, expected.built);
            ASSERT_EQ(bench.observer.eventLoopRuns - eventsBefore, expected.eventLoopRuns);
            ASSERT_EQ(bench.line.enumerationComplete(), expected.complete);
            ASSERT_EQ(bench.line.enumerationAborted(), expected.aborted);
            casesWithEvents += expected.eventLoopRuns > 0;
            casesAborted += expected.aborted;
            if (bench.context.stopRequested || bench.line.enumerationComplete())
                break;
        }
    }
    // The cases reach the event loop and the try limit often enough.
    EXPECT_GT(casesWithEvents, 50);
    EXPECT_GT(casesAborted, 200);
}
