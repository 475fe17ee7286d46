// Every analysis verdict on small random puzzles, checked against listing
// every solution and against line logic done by listing placements.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "RandomPuzzles.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace {

using namespace gw::testing;
using gw::analysis::Uniqueness;

std::size_t at(int x, int y) { return static_cast<std::size_t>(x + gw::MaxPuzzleSize * y); }

// The picture of `puzzle` as a grid of the analysis (white outside).
gw::analysis::CellGrid gridOf(const gw::Puzzle& puzzle)
{
    gw::analysis::CellGrid grid;
    grid.fill(gw::White);
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            grid[at(x, y)] = puzzle.cell(x, y);
    return grid;
}

gw::analysis::CellGrid gridOf(const std::vector<std::uint8_t>& cells, int width, int height)
{
    gw::analysis::CellGrid grid;
    grid.fill(gw::White);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid[at(x, y)] = cells[static_cast<std::size_t>(x + width * y)];
    return grid;
}

bool satisfies(const gw::analysis::CellGrid& grid, const gw::ClueTables& clues, int width, int height)
{
    gw::Puzzle p;
    p.width = static_cast<std::int16_t>(width);
    p.height = static_cast<std::int16_t>(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.cell(x, y) = grid[at(x, y)];
    gw::ClueTables derived;
    gw::deriveClues(p, derived);
    return derived.rows == clues.rows && derived.columns == clues.columns;
}

TEST(AnalysisRandom, VerdictsAgreeWithListingEverySolution)
{
    int unique = 0, several = 0, lineSolvable = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        std::mt19937 rng(seed);
        PictureRecipe recipe;
        recipe.width = 3 + static_cast<int>(rng() % 3);
        recipe.height = 3 + static_cast<int>(rng() % 3);
        recipe.colors = 2 + static_cast<int>(rng() % 3);
        recipe.kind = static_cast<PictureKind>(rng() % 3);
        recipe.density = 0.3 + static_cast<double>(rng() % 40) / 100.0;
        const gw::Puzzle picture = randomPicture(rng, recipe);
        const int w = recipe.width, h = recipe.height;
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + ::testing::PrintToString(gwtest::rowsOf(picture)));
        gw::ClueTables clues;
        gw::deriveClues(picture, clues);

        const std::vector<std::vector<std::uint8_t>> all = solutionsByPlacements(clues, w, h, 1000);
        ASSERT_GE(all.size(), 1u);
        const std::vector<unsigned> logic = lineLogicByPlacements(clues, w, h);
        ASSERT_FALSE(logic.empty());

        for (const bool withPicture : {true, false}) {
            const gw::analysis::AnalysisResult result =
                withPicture ? gw::analysis::analyzePuzzle(picture) : gw::analysis::analyzeClues(clues, w, h);
            ASSERT_EQ(result.stop, gw::analysis::AnalysisStop::Completed);
            int open = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const unsigned expected = logic[static_cast<std::size_t>(x + w * y)];
                    ASSERT_EQ(result.lineLogicColors[at(x, y)], expected) << "cell " << x << "," << y;
                    open += (expected & (expected - 1)) != 0 ? 1 : 0;
                }
            EXPECT_EQ(result.openCells, open);
            EXPECT_EQ(result.lineSolvable, open == 0);
            EXPECT_EQ(result.uniqueness, all.size() == 1 ? Uniqueness::Unique : Uniqueness::NotUnique);

            // The solutions reported are real, distinct from the picture
            // (or from each other), and differ exactly at differingCells.
            const gw::analysis::CellGrid reference = withPicture ? gridOf(picture) : result.solutions.front();
            ASSERT_EQ(result.solutions.size(), (withPicture ? 0u : 1u) + (all.size() > 1 ? 1u : 0u));
            for (const gw::analysis::CellGrid& solution : result.solutions) {
                EXPECT_TRUE(satisfies(solution, clues, w, h));
                EXPECT_NE(std::find_if(all.begin(), all.end(),
                                       [&](const std::vector<std::uint8_t>& s) { return gridOf(s, w, h) == solution; }),
                          all.end());
            }
            if (all.size() > 1) {
                const gw::analysis::CellGrid& second = result.solutions.back();
                std::vector<gw::analysis::CellPosition> differing;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        if (second[at(x, y)] != reference[at(x, y)])
                            differing.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
                EXPECT_FALSE(differing.empty());
                EXPECT_EQ(result.differingCells, differing);
            } else {
                EXPECT_TRUE(result.differingCells.empty());
            }
        }
        unique += all.size() == 1 ? 1 : 0;
        several += all.size() > 1 ? 1 : 0;
        lineSolvable +=
            logic.size() == static_cast<std::size_t>(w * h)
                    && std::all_of(logic.begin(), logic.end(), [](unsigned s) { return (s & (s - 1)) == 0; })
                ? 1
                : 0;
    }
    // The seeds cover every kind of verdict.
    EXPECT_GT(several, 40);
    EXPECT_GT(unique - lineSolvable, 5); // unique, but line logic stalls
    EXPECT_GT(lineSolvable, 40);
}

} // namespace
