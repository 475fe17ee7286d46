// The benchmark set must be the same on every machine and with every
// standard library, or figures and traces measured on it cannot be compared.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "bench/PuzzleGenerator.h"
#include "core/Palette.h"
#include "core/PuzzleFile.h"
#include "core/tests/TestSupport.h"

namespace {

using gwtest::rowsOf;

// FNV-1a over everything the files of the set hold.
std::uint64_t digest(const std::vector<gw::PuzzleRecipe>& recipes)
{
    std::uint64_t hash = 0xCBF29CE484222325ull;
    const auto mix = [&hash](std::uint64_t byte) { hash = (hash ^ byte) * 0x100000001B3ull; };
    for (const gw::PuzzleRecipe& recipe : recipes) {
        const gw::Puzzle puzzle = gw::generatePuzzle(recipe);
        mix(static_cast<std::uint64_t>(puzzle.width));
        mix(static_cast<std::uint64_t>(puzzle.height));
        mix(puzzle.isColor);
        for (int y = 0; y < puzzle.height; ++y)
            for (int x = 0; x < puzzle.width; ++x)
                mix(puzzle.cell(x, y));
        for (const char c : puzzle.title)
            mix(static_cast<unsigned char>(c));
    }
    return hash;
}

TEST(SplitMix64, BetweenStaysInsideAndReachesBothEnds)
{
    gw::SplitMix64 rng(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int v = rng.between(-2, 3);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 3);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 6u);
}

// A change here (of the generator or of its SplitMix64 numbers) changes
// every figure and trace measured on the set: make a new baseline with the
// old generator before accepting a new digest.
TEST(BenchmarkSet, IsTheSameEverywhere)
{
    EXPECT_EQ(digest(gw::benchmarkRecipes(gw::BenchmarkSetSeed, gw::BenchmarkSetSize)), 0xD8B5EA390A0531B3ull);
}

TEST(BenchmarkSet, ASmallerCountGivesTheSameFirstRecipes)
{
    const auto all = gw::benchmarkRecipes(gw::BenchmarkSetSeed, gw::BenchmarkSetSize);
    const auto first = gw::benchmarkRecipes(gw::BenchmarkSetSeed, 30);
    ASSERT_EQ(first.size(), 30u);
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(gw::recipeTitle(first[i]), gw::recipeTitle(all[i])) << i;
}

TEST(BenchmarkSet, CoversEveryShapeSizeAndColorCount)
{
    const auto recipes = gw::benchmarkRecipes(gw::BenchmarkSetSeed, gw::BenchmarkSetSize);
    ASSERT_EQ(recipes.size(), static_cast<std::size_t>(gw::BenchmarkSetSize));
    std::set<gw::PictureShape> shapes;
    std::set<int> colors;
    std::set<std::string> names;
    int nonSquare = 0;
    int sparse = 0;
    int dense = 0;
    for (std::size_t i = 0; i < recipes.size(); ++i) {
        const gw::PuzzleRecipe& r = recipes[i];
        EXPECT_GE(r.width, 5);
        EXPECT_LE(r.width, 50);
        EXPECT_GE(r.height, 5);
        EXPECT_LE(r.height, 50);
        shapes.insert(r.shape);
        colors.insert(r.colors);
        names.insert(gw::recipeFileName(static_cast<int>(i), r));
        nonSquare += r.width != r.height;
        if (r.shape == gw::PictureShape::Noise) {
            sparse += r.densityPercent < 30 && r.colors == 8;
            dense += r.densityPercent >= 30 && r.densityPercent <= 70;
        }
    }
    EXPECT_EQ(shapes.size(), std::size(gw::AllPictureShapes));
    EXPECT_EQ(colors, (std::set<int> {2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(names.size(), recipes.size());
    EXPECT_GE(nonSquare, 50);
    EXPECT_GE(sparse, 20);
    EXPECT_GE(dense, 20);
}

TEST(GeneratePuzzle, UsesOnlyItsColorsInsideItsSize)
{
    for (const gw::PuzzleRecipe& recipe : gw::benchmarkRecipes(gw::BenchmarkSetSeed, gw::BenchmarkSetSize)) {
        const gw::Puzzle puzzle = gw::generatePuzzle(recipe);
        SCOPED_TRACE(gw::recipeTitle(recipe));
        EXPECT_EQ(puzzle.width, recipe.width);
        EXPECT_EQ(puzzle.height, recipe.height);
        EXPECT_EQ(puzzle.isColor, recipe.colors > 2);
        EXPECT_EQ(puzzle.title, gw::recipeTitle(recipe));
        // White and the first colors - 1 inks of black, red, blue, ...
        const std::string inks = std::string(".#RBYGMA").substr(0, static_cast<std::size_t>(recipe.colors));
        std::set<char> used;
        for (const std::string& row : rowsOf(puzzle))
            used.insert(row.begin(), row.end());
        for (const char c : used)
            EXPECT_NE(inks.find(c), std::string::npos) << c;
        for (int y = 0; y < gw::MaxPuzzleSize; ++y) {
            for (int x = 0; x < gw::MaxPuzzleSize; ++x) {
                if (!puzzle.inPuzzle(x, y)) {
                    ASSERT_EQ(puzzle.cell(x, y), gw::White) << x << ',' << y;
                }
            }
        }
    }
}

struct PinnedPicture {
    const char* name;
    gw::PuzzleRecipe recipe;
    std::vector<std::string> rows;
};

void PrintTo(const PinnedPicture& picture, std::ostream* out) { *out << picture.name; }

class PinnedPictures : public testing::TestWithParam<PinnedPicture> { };

TEST_P(PinnedPictures, AreDrawnAsDesigned)
{
    EXPECT_EQ(rowsOf(gw::generatePuzzle(GetParam().recipe)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PinnedPictures,
    // Recipes: shape, width, height, colors, density, scale, seed.
    testing::Values(
        // Two colours: white and black alternate from the top left.
        PinnedPicture {"BlackAndWhiteCheckerboard",
                       {gw::PictureShape::Checkerboard, 5, 3, 2, 0, 1, 5},
                       {".#.#.", "#.#.#", ".#.#."}},
        PinnedPicture {
            "CheckerboardBlocks", {gw::PictureShape::Checkerboard, 5, 3, 2, 0, 2, 5}, {"..##.", "..##.", "##..#"}},
        PinnedPicture {"EmptyNoise", {gw::PictureShape::Noise, 4, 2, 8, 0, 0, 5}, {"....", "...."}},
        PinnedPicture {"FullNoise", {gw::PictureShape::Noise, 4, 2, 2, 100, 0, 5}, {"####", "####"}},
        // Centred on (2, 3) by the seed, one ring a cell: white, black, red.
        PinnedPicture {
            "ThreeColorRings", {gw::PictureShape::Rings, 6, 4, 3, 0, 1, 5}, {".....#", "RRRRR.", "R###R.", "R#.#R."}}),
    [](const testing::TestParamInfo<PinnedPicture>& row) { return std::string(row.param.name); });

TEST(WritePuzzleSet, FilesReadBackAsGenerated)
{
    const gwtest::TempDir folder;
    const auto recipes = gw::benchmarkRecipes(gw::BenchmarkSetSeed, gw::BenchmarkSetSize);
    std::string error;
    const std::vector<std::string> paths = gw::writePuzzleSet(recipes, folder.path(), error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(paths.size(), recipes.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        const gw::Puzzle expected = gw::generatePuzzle(recipes[i]);
        gw::Puzzle read;
        ASSERT_TRUE(gw::readPuzzleFile(read, paths[i], gw::ReaderVariant::Maker).loaded());
        EXPECT_EQ(read.title, expected.title);
        EXPECT_EQ(read.isColor, expected.isColor);
        EXPECT_EQ(rowsOf(read), rowsOf(expected));
    }
}

TEST(WritePuzzleSet, TellsWhyAFileCannotBeWritten)
{
    std::string error;
    const auto paths =
        gw::writePuzzleSet(gw::benchmarkRecipes(1, 3), "/nonexistent-folder-of-the-generator-test", error);
    EXPECT_TRUE(paths.empty());
    EXPECT_NE(error.find("/nonexistent-folder-of-the-generator-test/000-"), std::string::npos) << error;
}

} // namespace
