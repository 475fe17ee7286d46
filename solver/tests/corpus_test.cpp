// The computer test over the public puzzle corpus, checked against the
// verdicts of an independent complete line solver.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "core/PuzzleFile.h"
#include "solver/ComputerTest.h"

TEST(Corpus, EveryPuzzleAgreesWithTheIndependentLineSolver)
{
    const std::filesystem::path folder = std::filesystem::path(GRIDWICK_PUZZLES_DIR) / "public";
    std::ifstream verdicts(folder / "verdicts.tsv");
    if (!verdicts)
        GTEST_SKIP() << "no puzzle corpus at " << folder;
    std::string name, width, height, lineSolved, unique;
    std::getline(verdicts, name); // header: file width height colours line_solved unique
    int colors = 0, puzzles = 0, limits = 0;
    while (verdicts >> name >> width >> height >> colors >> lineSolved >> unique) {
        SCOPED_TRACE(name);
        ++puzzles;
        gw::Puzzle puzzle;
        ASSERT_TRUE(gw::readPuzzleFile(puzzle, (folder / name).string(), gw::ReaderVariant::Maker).loaded());
        const gw::ComputerTestResult run = gw::runComputerTest(puzzle, false);
        EXPECT_EQ(run.wrong, 0);
        EXPECT_NE(run.outcome, gw::SolverOutcome::Stopped);
        const bool solved = run.outcome == gw::SolverOutcome::Solved;
        const bool onLimits = run.outcome == gw::SolverOutcome::LimitsExhausted;
        limits += onLimits ? 1 : 0;
        if (solved) {
            EXPECT_EQ(run.known, run.total);
        }
        if (colors == 1 && !onLimits) {
            EXPECT_EQ(solved, lineSolved == "yes");
        } else if (solved) {
            EXPECT_EQ(lineSolved, "yes");
        }
    }
    EXPECT_TRUE(verdicts.eof()); // every line read
    ASSERT_GT(puzzles, 0);
    std::cout << puzzles << " puzzles, " << limits << " ended on the limits\n";
    RecordProperty("limits", limits);
}
