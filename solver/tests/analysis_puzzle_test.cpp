// Puzzles with known answers, and the analysis as a window will drive it:
// budgets, cancellation, slices, clues without a picture.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "RandomPuzzles.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace {

using gw::analysis::AnalysisResult;
using gw::analysis::AnalysisStop;
using gw::analysis::Uniqueness;

std::string cellList(const std::vector<gw::analysis::CellPosition>& cells)
{
    std::string text;
    for (const gw::analysis::CellPosition& c : cells)
        text += (text.empty() ? "" : " ") + std::to_string(c.x) + "," + std::to_string(c.y);
    return text;
}

// Line logic's result as rows: a letter for a fixed cell, '?' for an open one.
std::vector<std::string> lineLogicRows(const AnalysisResult& result)
{
    std::vector<std::string> rows(static_cast<std::size_t>(result.height));
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) {
            const unsigned set = result.lineLogicColors[static_cast<std::size_t>(x + gw::MaxPuzzleSize * y)];
            rows[static_cast<std::size_t>(y)] += (set & (set - 1)) ? '?' : gwtest::CellLetters[__builtin_ctz(set)];
        }
    return rows;
}

struct KnownPuzzle {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> lineLogic; // after line logic, '?' open
    Uniqueness uniqueness;
    const char* differing; // cells where the second solution differs, "x,y ..."
};

class KnownAnswers : public ::testing::TestWithParam<KnownPuzzle> { };

TEST_P(KnownAnswers, LineLogicUniquenessAndTheSecondSolution)
{
    const KnownPuzzle& c = GetParam();
    const gw::Puzzle picture = gwtest::puzzleFromRows(c.rows, true);
    const AnalysisResult result = gw::analysis::analyzePuzzle(picture);
    EXPECT_EQ(result.stop, AnalysisStop::Completed);
    EXPECT_EQ(lineLogicRows(result), c.lineLogic);
    EXPECT_EQ(result.lineSolvable, c.rows == c.lineLogic);
    EXPECT_EQ(result.uniqueness, c.uniqueness);
    EXPECT_EQ(cellList(result.differingCells), c.differing);
    EXPECT_EQ(result.solutions.size(), c.uniqueness == Uniqueness::NotUnique ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Puzzles, KnownAnswers,
    ::testing::Values(
        KnownPuzzle {"Cross", {"#.#", ".#.", "#.#"}, {"#.#", ".#.", "#.#"}, Uniqueness::Unique, ""},
        KnownPuzzle {"AllWhite", {"...", "..."}, {"...", "..."}, Uniqueness::Unique, ""},
        KnownPuzzle {"TouchingColours", {"RB", "BR"}, {"RB", "BR"}, Uniqueness::Unique, ""},
        // Unique, but line logic stalls: only a guess shows that the other
        // choices contradict.
        KnownPuzzle {"NeedsAGuess", {".##.", "..##", "#..#"}, {"????", "..##", "????"}, Uniqueness::Unique, ""},
        KnownPuzzle {"ColourNeedsAGuess", {"R..R", "....", ".RR."}, {"????", "....", "????"}, Uniqueness::Unique, ""},
        KnownPuzzle {"Diagonal", {"#.", ".#"}, {"??", "??"}, Uniqueness::NotUnique, "0,0 1,0 0,1 1,1"},
        // Two solutions: the magenta cells of the last two rows swap.
        KnownPuzzle {"SwappedPair",
                     {"BB..B", "B....", "...BB", ".M...", "....M"},
                     {"BB..B", "B....", "...BB", ".?..?", ".?..?"},
                     Uniqueness::NotUnique,
                     "1,3 4,3 1,4 4,4"}),
    [](const ::testing::TestParamInfo<KnownPuzzle>& row) { return std::string(row.param.name); });

gw::ClueTables cluesOf(const std::vector<std::string>& rows)
{
    gw::ClueTables clues;
    gw::deriveClues(gwtest::puzzleFromRows(rows, true), clues);
    return clues;
}

TEST(CluesOnly, ContradictoryCluesHaveNoSolution)
{
    // Rows of one black cell each, columns without any.
    gw::ClueTables clues = cluesOf({"#.", "#."}); // rows 1, 1; columns 2, 0
    clues.columns[0] = gw::LineClue {};
    AnalysisResult result = gw::analysis::analyzeClues(clues, 2, 2);
    EXPECT_EQ(result.uniqueness, Uniqueness::NoSolution);
    EXPECT_FALSE(result.lineSolvable);
    EXPECT_TRUE(result.solutions.empty());
    EXPECT_EQ(result.stop, AnalysisStop::Completed);

    // Rows of one black cell each in three columns of one each: every line
    // on its own can be filled, only counting (two against three) or a
    // search shows that the grid cannot.
    clues = cluesOf({"#..", ".#."}); // rows 1, 1; columns 1, 1, 0
    clues.columns[2].addRun(1, gw::Black);
    result = gw::analysis::analyzeClues(clues, 3, 2);
    EXPECT_EQ(result.uniqueness, Uniqueness::NoSolution);
    EXPECT_EQ(result.openCells, 6);
    EXPECT_TRUE(result.solutions.empty());
    EXPECT_GT(result.nodes + result.probes, 0);
}

TEST(AnalysisControl, LineLogicOnlyWhenUniquenessIsNotAsked)
{
    gw::analysis::AnalysisOptions options;
    options.decideUniqueness = false;
    AnalysisResult result = gw::analysis::analyzePuzzle(gwtest::puzzleFromRows({"#.", ".#"}), options);
    EXPECT_EQ(result.stop, AnalysisStop::NotAsked);
    EXPECT_EQ(result.uniqueness, Uniqueness::Unknown);
    EXPECT_EQ(result.openCells, 4);
    EXPECT_EQ(result.nodes + result.probes, 0);
    // A line-solvable puzzle is known to be unique without any search.
    result = gw::analysis::analyzePuzzle(gwtest::puzzleFromRows({"#.#", ".#."}), options);
    EXPECT_EQ(result.uniqueness, Uniqueness::Unique);
    EXPECT_EQ(result.stop, AnalysisStop::Completed);
}

// A random 14 x 18 picture with two solutions, the second found only after
// a search (some thousands of nodes before the search near the picture, a
// few dozen with it).
gw::Puzzle searchHeavyPicture() { return gw::testing::randomPicture(9, 10, 20); }

TEST(AnalysisControl, BudgetsAndCancellationAnswerUnknown)
{
    const gw::Puzzle picture = searchHeavyPicture();
    const AnalysisResult full = gw::analysis::analyzePuzzle(picture);
    ASSERT_EQ(full.stop, AnalysisStop::Completed);
    ASSERT_GT(full.nodes, 10); // a real search, which a budget of two nodes cuts short

    gw::analysis::AnalysisOptions options;
    options.maxNodes = 2;
    AnalysisResult result = gw::analysis::analyzePuzzle(picture, options);
    EXPECT_EQ(result.stop, AnalysisStop::NodeLimit);
    EXPECT_EQ(result.uniqueness, Uniqueness::Unknown);
    EXPECT_EQ(result.nodes, 2);
    EXPECT_TRUE(result.lineLogicDone);
    EXPECT_EQ(result.openCells, full.openCells); // line logic is complete all the same

    options.maxNodes = 0;
    options.maxMilliseconds = 1e-6;
    result = gw::analysis::analyzePuzzle(picture, options);
    EXPECT_EQ(result.stop, AnalysisStop::TimeLimit);
    EXPECT_EQ(result.uniqueness, Uniqueness::Unknown);

    std::atomic<bool> cancel {true};
    options.maxMilliseconds = 0;
    options.cancel = &cancel;
    result = gw::analysis::analyzePuzzle(picture, options);
    EXPECT_EQ(result.stop, AnalysisStop::Cancelled);
    EXPECT_EQ(result.uniqueness, Uniqueness::Unknown);
    EXPECT_EQ(result.openCells, full.openCells);
}

TEST(AnalysisControl, SlicesGiveTheSameResultAsOneRun)
{
    const gw::Puzzle picture = searchHeavyPicture();
    const AnalysisResult whole = gw::analysis::analyzePuzzle(picture);
    gw::analysis::PuzzleAnalysis analysis(picture);
    int slices = 0;
    while (analysis.advance(std::chrono::microseconds(1)))
        ++slices;
    const AnalysisResult& sliced = analysis.result();
    EXPECT_GT(slices, 2);
    EXPECT_TRUE(sliced.finished());
    EXPECT_EQ(sliced.uniqueness, whole.uniqueness);
    EXPECT_EQ(sliced.nodes, whole.nodes);
    EXPECT_EQ(sliced.probes, whole.probes);
    EXPECT_EQ(sliced.lineSolves, whole.lineSolves);
    EXPECT_EQ(sliced.differingCells, whole.differingCells);
    EXPECT_FALSE(analysis.advance(std::chrono::microseconds(1))); // nothing left to do
}

} // namespace
