// The uniqueness set of the generator (bench/PuzzleGenerator.h), small
// pictures: every verdict decided with its proof, and every ambiguous one
// fixed by a suggestion that the analysis finds unique.
#include <gtest/gtest.h>

#include "bench/PuzzleGenerator.h"
#include "core/Clues.h"
#include "solver/analysis/PuzzleAnalysis.h"
#include "solver/analysis/PuzzleFix.h"

namespace {

using namespace gw;
using namespace gw::analysis;

// The uniqueness set, small pictures: every verdict decided; a "no" carries
// a second solution with the same clues, and (up to 20 x 20) a suggested fix
// whose picture the analysis finds unique.
TEST(UniquenessSet, DecidedNearThePictureAndFixed)
{
    const std::vector<PuzzleRecipe> recipes = uniquenessRecipes(UniquenessSetSeed, 120);
    int decided = 0, fixes = 0;
    for (const PuzzleRecipe& recipe : recipes) {
        if (recipe.width > 25 || recipe.height > 25)
            continue;
        const Puzzle picture = generatePuzzle(recipe);
        AnalysisOptions options;
        options.maxMilliseconds = 0;
        options.maxNodes = 200000;
        const AnalysisResult result = analyzePuzzle(picture, options);
        ASSERT_NE(result.uniqueness, Uniqueness::Unknown) << recipeTitle(recipe);
        ++decided;
        if (result.uniqueness != Uniqueness::NotUnique)
            continue;
        ASSERT_EQ(result.solutions.size(), 1u);
        Puzzle second = picture;
        second.cells = result.solutions.front();
        ClueTables expected, found;
        deriveClues(picture, expected);
        deriveClues(second, found);
        EXPECT_TRUE(expected == found) << recipeTitle(recipe);
        EXPECT_FALSE(result.differingCells.empty());
        if (recipe.width > 20 || recipe.height > 20)
            continue;
        FixOptions fixOptions;
        fixOptions.maxMilliseconds = 0;
        const FixResult fix = suggestFix(picture, fixOptions);
        ASSERT_EQ(fix.stop, FixStop::Found) << recipeTitle(recipe);
        ASSERT_FALSE(fix.changes.empty());
        Puzzle fixed = picture;
        applyFix(fixed, fix.changes);
        EXPECT_EQ(analyzePuzzle(fixed).uniqueness, Uniqueness::Unique) << recipeTitle(recipe);
        ++fixes;
    }
    EXPECT_GT(decided, 30);
    EXPECT_GT(fixes, 3);
}

// Multi-colour checkerboards of two-cell blocks leave line logic nearly
// every cell open, and only probing at every node proves them unique: the
// probing search must get the larger share of the work (it once needed
// three times this budget, spread evenly over the searches).
TEST(UniquenessSet, ProbingProvesMultiColorCheckerboards)
{
    PuzzleRecipe recipe = uniquenessRecipes(UniquenessSetSeed, 310)[309];
    ASSERT_EQ(recipe.shape, PictureShape::Checkerboard);
    recipe.width = recipe.height = 26;
    AnalysisOptions options;
    options.maxMilliseconds = 0;
    options.maxNodes = 20000;
    EXPECT_EQ(analyzePuzzle(generatePuzzle(recipe), options).uniqueness, Uniqueness::Unique) << recipeTitle(recipe);
}

} // namespace
