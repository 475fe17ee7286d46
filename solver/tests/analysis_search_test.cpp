// The searches' memories, of consistent probes and of line solves: they may
// skip work but must never change what propagation and probing rule out.
// What the search near the picture rules out when it cannot decide. The
// clause-learning search against the others.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "AnalysisTestSupport.h"
#include "RandomPuzzles.h"
#include "core/Clues.h"
#include "core/tests/TestSupport.h"
#include "solver/analysis/ClauseSearch.h"
#include "solver/analysis/NearbySearch.h"
#include "solver/analysis/SolutionSearch.h"

namespace {

using namespace gw;
using namespace gw::analysis;

ColorGrid gridOfClues(const Puzzle& picture)
{
    ClueTables clues;
    deriveClues(picture, clues);
    std::vector<LineClue> rows, columns;
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(clues.rows[static_cast<std::size_t>(y)]);
    for (int x = 0; x < picture.width; ++x)
        columns.push_back(clues.columns[static_cast<std::size_t>(x)]);
    return ColorGrid(rows, columns);
}

// Diagonal stripes one cell wide cycling through `colors` palette entries:
// line logic leaves nearly every cell open and probing much of it.
Puzzle diagonalStripes(int width, int height, int colors)
{
    const std::uint8_t cycle[] = {White, Black, Red, Blue, Yellow};
    Puzzle picture;
    picture.width = static_cast<std::int16_t>(width);
    picture.height = static_cast<std::int16_t>(height);
    picture.isColor = true;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.cell(x, y) = cycle[(x + y) % colors];
    return picture;
}

// A random picture of sides smallest..largest in 2..mostColors colours.
Puzzle randomPictureOf(std::mt19937& rng, int smallest, int largest, int mostColors)
{
    gw::testing::PictureRecipe recipe;
    recipe.width = smallest + static_cast<int>(rng() % static_cast<unsigned>(largest - smallest + 1));
    recipe.height = smallest + static_cast<int>(rng() % static_cast<unsigned>(largest - smallest + 1));
    recipe.colors = 2 + static_cast<int>(rng() % static_cast<unsigned>(mostColors - 1));
    recipe.kind = static_cast<gw::testing::PictureKind>(rng() % 3);
    return gw::testing::randomPicture(rng, recipe);
}

struct SearchRun {
    Uniqueness uniqueness;
    std::int64_t nodes, probes;
};

SearchRun runProbing(const Puzzle& picture, bool remember, std::int64_t maxNodes = 20000)
{
    ColorGrid grid = gridOfClues(picture);
    grid.propagate();
    SearchStrategy strategy;
    strategy.rememberConsistentProbes = remember;
    SolutionSearch search(grid, &picture.cells, strategy);
    while (!search.finished() && search.nodes() < maxNodes)
        search.step();
    return {search.uniqueness(), search.nodes(), search.probes()};
}

// Skipping the probes known to be consistent gives the same verdict and,
// where the picture is the only solution, the very same search tree.
TEST(RememberedProbes, SameVerdictsAndTreesWithFewerProbes)
{
    std::vector<Puzzle> pictures {diagonalStripes(12, 12, 3), diagonalStripes(13, 11, 4), diagonalStripes(12, 12, 5)};
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        pictures.push_back(randomPictureOf(rng, 6, 12, 5));
    }
    std::int64_t skipped = 0;
    int unique = 0;
    for (const Puzzle& picture : pictures) {
        SCOPED_TRACE(::testing::PrintToString(gwtest::rowsOf(picture)));
        const SearchRun afresh = runProbing(picture, false);
        const SearchRun remembered = runProbing(picture, true);
        ASSERT_NE(afresh.uniqueness, Uniqueness::Unknown);
        EXPECT_EQ(remembered.uniqueness, afresh.uniqueness);
        EXPECT_LE(remembered.probes, afresh.probes);
        if (afresh.uniqueness == Uniqueness::Unique) {
            EXPECT_EQ(remembered.nodes, afresh.nodes);
            ++unique;
        }
        skipped += afresh.probes - remembered.probes;
    }
    EXPECT_GT(unique, 10);
    EXPECT_GT(skipped, 0);
}

// Remembered line solves give what solving afresh gives, through many
// probes that meet the same lines again (and some that contradict).
TEST(CachedLineSolves, SameGridsAsSolvingAfresh)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        const Puzzle picture = randomPictureOf(rng, 8, 15, 6);
        ColorGrid afresh = gridOfClues(picture);
        afresh.recordChanges();
        ColorGrid cached = afresh;
        cached.cacheLineSolves(0);
        ASSERT_TRUE(afresh.propagate() && cached.propagate());
        for (int probe = 0; probe < 400; ++probe) {
            const int x = static_cast<int>(rng() % static_cast<std::mt19937::result_type>(picture.width));
            const int y = static_cast<int>(rng() % static_cast<std::mt19937::result_type>(picture.height));
            const unsigned colors = afresh.colors(x, y);
            const auto color = static_cast<std::uint8_t>(1u << (rng() % 8));
            if ((colors & color) == 0 || colors == color)
                continue;
            const ColorGrid::Mark mark = afresh.mark();
            afresh.restrict(x, y, color);
            cached.restrict(x, y, color);
            const bool consistent = afresh.propagate();
            ASSERT_EQ(cached.propagate(), consistent);
            if (consistent) {
                ASSERT_EQ(cached.colorSets(), afresh.colorSets());
                if (rng() % 8 == 0)
                    continue; // keep the narrower grid for the probes that follow
            }
            afresh.undo(mark);
            cached.undo(mark);
        }
    }
}

// One black cell in each row and column: column (step * y) mod size in row
// y. Every such permutation solves the clues; the nearest differs from the
// picture in two rows i, j and columns p(i), p(j), so its cells lie within
// max(|i - j|, |p(i) - p(j)|) of each other, the least of that over all
// pairs.
TEST(NearbySearch, RulesOutOnlySquaresThatHoldNoSecondSolution)
{
    const int size = 13, step = 5;
    Puzzle picture;
    picture.width = picture.height = size;
    const auto column = [&](int y) { return step * y % size; };
    for (int y = 0; y < size; ++y)
        picture.cell(column(y), y) = Black;
    int nearest = size;
    for (int i = 0; i < size; ++i)
        for (int j = i + 1; j < size; ++j)
            nearest = std::min(nearest, std::max(j - i, std::abs(column(i) - column(j))));
    ASSERT_EQ(nearest, 3);

    ColorGrid grid = gridOfClues(picture);
    ASSERT_TRUE(grid.propagate());
    NearbySearch search(grid, picture.cells);
    int ruledOut = 0;
    while (!search.finished()) {
        search.step();
        ruledOut = std::max(ruledOut, search.noSecondSolutionWithin());
        ASSERT_LE(search.noSecondSolutionWithin(), nearest);
    }
    EXPECT_EQ(search.uniqueness(), Uniqueness::NotUnique);
    EXPECT_EQ(ruledOut, nearest); // the 2-window round found nothing, the 4-window round the swap
}

// One-cell diagonal stripes in two colours and white are unique, but any
// proof of it grows with the grid far beyond the budget; the analysis then
// still tells that no second solution lies near the picture.
TEST(NearbySearch, AnUndecidedPictureHasNoSecondSolutionNearby)
{
    AnalysisOptions options;
    options.maxNodes = 60000;
    options.maxMilliseconds = 0;
    options.clauseLearning = false; // it would decide this one, and stop as fast as the machine allows
    const AnalysisResult result = analyzePuzzle(diagonalStripes(17, 17, 3), options);
    EXPECT_EQ(result.uniqueness, Uniqueness::Unknown);
    EXPECT_EQ(result.stop, AnalysisStop::NodeLimit);
    EXPECT_GE(result.noSecondSolutionWithin, 5);
    EXPECT_EQ(analyzePuzzle(diagonalStripes(9, 9, 3), options).noSecondSolutionWithin, 0); // decided
}

// The clause search run alone to its end (on its thread; this one waits).
struct ClauseRun {
    Uniqueness uniqueness;
    std::vector<CellGrid> solutions;
};

ClauseRun runClauses(const ClueTables& clues, int width, int height, const CellGrid* picture)
{
    const std::vector<LineClue> rows(clues.rows.begin(), clues.rows.begin() + height);
    const std::vector<LineClue> columns(clues.columns.begin(), clues.columns.begin() + width);
    ColorGrid grid(rows, columns);
    EXPECT_TRUE(grid.propagate());
    ClauseSearch search(grid, picture);
    while (!search.finished())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return {search.uniqueness(), search.solutions()};
}

// Whether every line of `cells` is one of its clue's placements, listed
// one by one (not the way the search itself checks).
bool solves(const CellGrid& cells, const ClueTables& clues, int width, int height)
{
    const auto fits = [&](const LineClue& clue, int length, int first, int step) {
        std::vector<unsigned> sets;
        for (int i = 0; i < length; ++i)
            sets.push_back(1u << cells[static_cast<std::size_t>(first + i * step)]);
        bool found = false;
        gw::testing::forEachPlacement(clue, length, sets, [&](const std::vector<std::uint8_t>&) { found = true; });
        return found;
    };
    for (int y = 0; y < height; ++y)
        if (!fits(clues.rows[static_cast<std::size_t>(y)], width, MaxPuzzleSize * y, 1))
            return false;
    for (int x = 0; x < width; ++x)
        if (!fits(clues.columns[static_cast<std::size_t>(x)], height, x, MaxPuzzleSize))
            return false;
    return true;
}

// With the picture and with clues only, the clause search gives the answer
// of the probing search and, where it finds a second solution, one that
// solves every clue. Runs of one colour in a row (with their white between)
// and of different colours (touching or not) all occur.
TEST(ClauseSearch, AgreesWithTheProbingSearch)
{
    std::vector<Puzzle> pictures {diagonalStripes(9, 9, 3), diagonalStripes(10, 7, 4)};
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        pictures.push_back(randomPictureOf(rng, 4, 10, 5));
    }
    int verdicts[2] = {0, 0};
    for (const Puzzle& picture : pictures) {
        SCOPED_TRACE(::testing::PrintToString(gwtest::rowsOf(picture)));
        ClueTables clues;
        deriveClues(picture, clues);
        const SearchRun probing = runProbing(picture, true);
        ASSERT_NE(probing.uniqueness, Uniqueness::Unknown);
        ++verdicts[probing.uniqueness == Uniqueness::Unique ? 0 : 1];
        for (const bool withPicture : {true, false}) {
            const ClauseRun clauses =
                runClauses(clues, picture.width, picture.height, withPicture ? &picture.cells : nullptr);
            EXPECT_EQ(clauses.uniqueness, probing.uniqueness) << (withPicture ? "with the picture" : "clues only");
            for (const CellGrid& solution : clauses.solutions)
                EXPECT_TRUE(solves(solution, clues, picture.width, picture.height));
            if (withPicture && clauses.uniqueness == Uniqueness::NotUnique) {
                EXPECT_NE(clauses.solutions.at(1), picture.cells);
            }
        }
    }
    EXPECT_GT(verdicts[0], 10);
    EXPECT_GT(verdicts[1], 10);
}

// One-cell diagonal stripes in two colours and white: probing does not
// prove them unique in thousands of nodes (nor in a million), the clause
// search does.
TEST(ClauseSearch, ProvesStripesThatProbingCannot)
{
    const Puzzle picture = diagonalStripes(17, 17, 3);
    EXPECT_EQ(runProbing(picture, true, 3000).uniqueness, Uniqueness::Unknown);
    ClueTables clues;
    deriveClues(picture, clues);
    EXPECT_EQ(runClauses(clues, 17, 17, &picture.cells).uniqueness, Uniqueness::Unique);
}

// In the analysis the clause search starts once the others have worked a
// while, decides what they cannot, and stops with the analysis when the
// budget ends first.
TEST(ClauseSearch, DecidesInTheAnalysisWhatTheOthersCannotAndStopsWithIt)
{
    AnalysisOptions unlimited; // no budget: the answer does not depend on the machine's speed
    unlimited.maxNodes = 0;
    unlimited.maxMilliseconds = 0;
    const AnalysisResult decided = analyzePuzzle(diagonalStripes(17, 17, 3), unlimited);
    EXPECT_EQ(decided.uniqueness, Uniqueness::Unique);
    EXPECT_EQ(decided.stop, AnalysisStop::Completed);

    AnalysisOptions options;
    options.maxMilliseconds = 300;
    const AnalysisResult undecided = analyzePuzzle(diagonalStripes(40, 40, 3), options);
    EXPECT_EQ(undecided.uniqueness, Uniqueness::Unknown);
    EXPECT_EQ(undecided.stop, AnalysisStop::TimeLimit);
}

} // namespace
