// The analysis and the computer test over the public puzzle corpus, against
// the verdicts of independent solvers, and against each other: every cell
// the computer test knows, line logic must fix to the same colour.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "RandomPuzzles.h"
#include "core/PuzzleFile.h"
#include "solver/CellKnowledge.h"
#include "solver/ComputerTest.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace {

using gw::analysis::AnalysisResult;

const std::filesystem::path CorpusFolder = std::filesystem::path(GRIDWICK_PUZZLES_DIR) / "public";

// Cells the computer test (`run`, with its trace) knows at its end that line
// logic has not fixed to the same colour, as "x,y".
std::string cellsComputerTestKnowsBetter(const gw::Puzzle& puzzle, const gw::ComputerTestResult& run,
                                         const AnalysisResult& analysis)
{
    std::array<std::uint8_t, gw::CellCount> state {};
    for (const gw::ComputerTestResult::CellWrite& write : run.trace)
        state[static_cast<std::size_t>(write.x + gw::MaxPuzzleSize * write.y)] = write.value;
    std::string wrong;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(x + gw::MaxPuzzleSize * y);
            if (state[i] != gw::StateUnknown && analysis.lineLogicColors[i] != 1u << (state[i] - 1))
                wrong += std::to_string(x) + "," + std::to_string(y) + " ";
        }
    return wrong;
}

TEST(AnalysisCorpus, VerdictsAgreeWithIndependentSolversAndTheComputerTest)
{
    std::ifstream verdicts(CorpusFolder / "verdicts.tsv");
    if (!verdicts)
        GTEST_SKIP() << "no puzzle corpus at " << CorpusFolder;
    std::string name, width, height, colors, lineSolved, unique;
    std::getline(verdicts, name); // header: file width height colours line_solved unique
    int puzzles = 0;
    while (verdicts >> name >> width >> height >> colors >> lineSolved >> unique) {
        SCOPED_TRACE(name);
        ++puzzles;
        gw::Puzzle puzzle;
        ASSERT_TRUE(gw::readPuzzleFile(puzzle, (CorpusFolder / name).string(), gw::ReaderVariant::Maker).loaded());
        const AnalysisResult result = gw::analysis::analyzePuzzle(puzzle);
        EXPECT_EQ(result.stop, gw::analysis::AnalysisStop::Completed);
        EXPECT_EQ(result.lineSolvable ? "yes" : "no", lineSolved);
        EXPECT_STREQ(gw::analysis::uniquenessName(result.uniqueness), unique.c_str());
        EXPECT_EQ(result.openCells == 0, result.lineSolvable);
        EXPECT_EQ(result.differingCells.empty(), unique == "yes");
        // The computer test never sets a wrong cell, and solves a
        // black-and-white puzzle within its limits exactly when line logic does.
        const gw::ComputerTestResult run = gw::runComputerTest(puzzle, true);
        EXPECT_EQ(run.wrong, 0);
        EXPECT_NE(run.outcome, gw::SolverOutcome::Stopped);
        const bool solved = run.outcome == gw::SolverOutcome::Solved;
        EXPECT_TRUE(!solved || run.known == run.total);
        if (colors == "1" && run.outcome != gw::SolverOutcome::LimitsExhausted) {
            EXPECT_EQ(solved, lineSolved == "yes");
        } else {
            EXPECT_TRUE(!solved || lineSolved == "yes");
        }
        EXPECT_EQ(cellsComputerTestKnowsBetter(puzzle, run, result), "");
    }
    EXPECT_TRUE(verdicts.eof());
    EXPECT_EQ(puzzles, 84);
}

// The same comparison on random pictures of every kind, up to 20 x 20.
TEST(AnalysisAgainstComputerTest, LineLogicFixesEveryCellTheComputerTestKnows)
{
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        const gw::Puzzle puzzle = gw::testing::randomPicture(seed, 3, 20);
        SCOPED_TRACE("seed " + std::to_string(seed));
        gw::analysis::AnalysisOptions lineLogicOnly;
        lineLogicOnly.decideUniqueness = false;
        EXPECT_EQ(cellsComputerTestKnowsBetter(puzzle, gw::runComputerTest(puzzle, true),
                                               gw::analysis::analyzePuzzle(puzzle, lineLogicOnly)),
                  "");
    }
}

} // namespace
