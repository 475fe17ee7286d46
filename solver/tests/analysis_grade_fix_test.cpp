// Difficulty grades on each side of each boundary and suggested fixes
// re-analysed (the uniqueness set's verdicts and fixes: bench/tests).
#include <gtest/gtest.h>

#include <random>

#include "AnalysisTestSupport.h"
#include "solver/analysis/PuzzleAnalysis.h"
#include "solver/analysis/PuzzleFix.h"

namespace {

using namespace gw;
using namespace gw::analysis;
using gwtest::puzzleFromRows;

AnalysisResult graded(const Puzzle& picture)
{
    AnalysisOptions options;
    options.gradeDifficulty = true;
    options.maxMilliseconds = 0;
    options.maxNodes = 0;
    return analyzePuzzle(picture, options);
}

// Every pair differs in one cell and sits on either side of one boundary.
struct GradeCase {
    const char* name;
    Difficulty difficulty;
    std::vector<std::string> rows;
};

const GradeCase gradeCases[] = {
    {"EasyOverlapRulesSuffice",
     Difficulty::Easy,
     {"#......", ".#.##.#", "#.##...", "..#####", "..#.###", "##.#.##", ".#.###."}},
    {"MediumNeedsCompleteLineLogic",
     Difficulty::Medium,
     {"#......", ".#.##.#", "#.##...", "..#####", "..#.###", ".#.#.##", ".#.###."}},
    {"MediumLineLogicSuffices", Difficulty::Medium, {"...#...", "..#####", "##.###.", "#..#.#.", ".#.#..#", "###.#.."}},
    {"HardNeedsProbing", Difficulty::Hard, {"...#...", "..#####", ".#.###.", "#..#.#.", ".#.#..#", "###.#.."}},
    {"HardProbingSuffices",
     Difficulty::Hard,
     {"#.....#..#.#.", "....#..##..#.", "#..#.##...#..", "#...#..##..##", ".......###.##", ".#.####....#.",
      "....#....####", "..#.#....#...", "#.#..#.....##", "#..##.##.##..", "#.#.#.#...#.#", "...##.##.##.#",
      "#.###..#.#...", ".#.##...#.###", "...#.......#.", ".##....#.###."}},
    {"SearchNeedsGuessing",
     Difficulty::Search,
     {"#.....#..#.#.", "....#..##..#.", "#..#.##...#..", "#......##..##", ".......###.##", ".#.####....#.",
      "....#....####", "..#.#....#...", "#.#..#.....##", "#..##.##.##..", "#.#.#.#...#.#", "...##.##.##.#",
      "#.###..#.#...", ".#.##...#.###", "...#.......#.", ".##....#.###."}},
    {"SearchButUnique",
     Difficulty::Search,
     {"#.##....#....##", "...###..#.###..", "#.#..#...#.#...", "#..#.#.#.#.###.", "..#.#...##.##..", "#.....##.#...##",
      "##.#....#.#.#..", "..#####...#.#..", "#......#..##..#", "###..#..####.#.", "..##...#.#..#.#", ".#...###.#..#..",
      "..#..##.....#.#", ".#...##..##..##"}},
    {"AmbiguousSecondSolution",
     Difficulty::Ambiguous,
     {"#..#....#....##", "...###..#.###..", "#.#..#...#.#...", "#..#.#.#.#.###.", "..#.#...##.##..", "#.....##.#...##",
      "##.#....#.#.#..", "..#####...#.#..", "#......#..##..#", "###..#..####.#.", "..##...#.#..#.#", ".#...###.#..#..",
      "..#..##.....#.#", ".#...##..##..##"}},
};

class GradeBoundary : public ::testing::TestWithParam<GradeCase> { };

TEST_P(GradeBoundary, GradesByTheWeakestLogicThatSolves)
{
    const AnalysisResult result = graded(puzzleFromRows(GetParam().rows));
    EXPECT_EQ(difficultyName(result.difficulty), std::string(difficultyName(GetParam().difficulty)));
    EXPECT_EQ(result.stop, AnalysisStop::Completed);
}

INSTANTIATE_TEST_SUITE_P(Analysis, GradeBoundary, ::testing::ValuesIn(gradeCases),
                         [](const ::testing::TestParamInfo<GradeCase>& row) { return std::string(row.param.name); });

TEST(GradeBoundary, NoGradeWhenTheBudgetEnds)
{
    AnalysisOptions options;
    options.gradeDifficulty = true;
    options.maxNodes = 1;
    const AnalysisResult result = analyzePuzzle(puzzleFromRows(gradeCases[7].rows), options);
    EXPECT_NE(result.difficulty, Difficulty::Ambiguous);
}

// The quick rules: overlap of each run's extreme placements, white beyond
// every range, and never less than exact line solving keeps.
std::string simplySolved(const char* clueText, const char* cellsText)
{
    const LineClue clue = gw::testing::clueFromText(clueText);
    const std::vector<unsigned> sets = gw::testing::cellSetsFromText(cellsText, clue);
    LineColors cells = gw::testing::wordsFromCellSets(sets);
    if (!solveLineSimple(clue, static_cast<int>(sets.size()), cells))
        return "contradiction";
    return gw::testing::textFromCellSets(gw::testing::cellSetsFromWords(cells, static_cast<int>(sets.size())), clue);
}

TEST(SimpleLineRules, OverlapOfTheExtremePlacements)
{
    EXPECT_EQ(simplySolved("3", "?????"), "??#??");
    EXPECT_EQ(simplySolved("1", "?#???"), ".#...");
    EXPECT_EQ(simplySolved("2", "?.???"), "..?#?");
    EXPECT_EQ(simplySolved("2R 1B", "?????"), "[.R][.R]??[.B]");
    EXPECT_EQ(simplySolved("2", "#...#"), "contradiction");
    EXPECT_EQ(simplySolved("1 1", "?#???#?"), ".#...#.");
}

TEST(SimpleLineRules, NeverNarrowerThanExactLogic)
{
    std::mt19937 rng(21);
    for (int round = 0; round < 2000; ++round) {
        const int length = 1 + static_cast<int>(rng() % 12);
        std::string picture, cells;
        for (int i = 0; i < length; ++i) {
            picture += "#.R"[rng() % 3];
            cells += rng() % 3 == 0 ? picture.back() : '?';
        }
        std::string clueText;
        for (int i = 0; i < length;) {
            if (picture[static_cast<std::size_t>(i)] == '.') {
                ++i;
                continue;
            }
            int j = i;
            while (j < length && picture[static_cast<std::size_t>(j)] == picture[static_cast<std::size_t>(i)])
                ++j;
            clueText += std::to_string(j - i) + (picture[static_cast<std::size_t>(i)] == 'R' ? "R " : " ");
            i = j;
        }
        const LineClue clue = gw::testing::clueFromText(clueText);
        std::vector<unsigned> sets = gw::testing::cellSetsFromText(cells, clue);
        LineColors quick = gw::testing::wordsFromCellSets(sets), exact = quick;
        ASSERT_TRUE(solveLineSimple(clue, length, quick)) << clueText << cells;
        ASSERT_TRUE(solveLine(clue, length, exact));
        for (std::size_t q = 0; q < quick.size(); ++q)
            EXPECT_EQ(exact[q] & ~quick[q], 0u) << clueText << " " << cells;
    }
}

TEST(SuggestFix, AnotherSuggestionWhenAskedAgain)
{
    const Puzzle picture = puzzleFromRows(gradeCases[7].rows);
    FixOptions options;
    const FixResult first = suggestFix(picture, options);
    options.skip = 1;
    const FixResult second = suggestFix(picture, options);
    ASSERT_EQ(first.stop, FixStop::Found);
    ASSERT_EQ(second.stop, FixStop::Found);
    EXPECT_FALSE(first.changes == second.changes);
    for (const FixResult* fix : {&first, &second}) {
        Puzzle fixed = picture;
        applyFix(fixed, fix->changes);
        EXPECT_EQ(analyzePuzzle(fixed).uniqueness, Uniqueness::Unique);
    }
}

TEST(SuggestFix, LineLogicGoal)
{
    const Puzzle picture = puzzleFromRows(gradeCases[3].rows); // unique, needs probing
    FixOptions options;
    EXPECT_EQ(suggestFix(picture, options).stop, FixStop::AlreadyThere);
    options.lineLogic = true;
    const FixResult fix = suggestFix(picture, options);
    ASSERT_EQ(fix.stop, FixStop::Found);
    Puzzle fixed = picture;
    applyFix(fixed, fix.changes);
    EXPECT_TRUE(analyzePuzzle(fixed).lineSolvable);
}

TEST(SuggestFix, CancelledAndOutOfTime)
{
    const Puzzle picture = puzzleFromRows(gradeCases[7].rows);
    std::atomic<bool> cancel {true};
    FixOptions options;
    options.cancel = &cancel;
    EXPECT_EQ(suggestFix(picture, options).stop, FixStop::Cancelled);
    options.cancel = nullptr;
    options.maxMilliseconds = 1e-6;
    EXPECT_EQ(suggestFix(picture, options).stop, FixStop::TimeLimit);
}

} // namespace
