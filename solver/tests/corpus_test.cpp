// The computer test over the public puzzle corpus, checked against the
// verdicts of an independent complete line solver.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "core/PuzzleFile.h"
#include "solver/TestRun.h"

namespace {

struct Verdict {
    int colours = 0;
    bool lineSolved = false;
};

std::map<std::string, Verdict> readVerdicts(const std::filesystem::path& file)
{
    std::map<std::string, Verdict> verdicts;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line); // header: file width height colours line_solved unique
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name, width, height, colours, lineSolved;
        if (fields >> name >> width >> height >> colours >> lineSolved)
            verdicts[name] = Verdict{std::stoi(colours), lineSolved == "yes"};
    }
    return verdicts;
}

} // namespace

TEST(Corpus, EveryPuzzleAgreesWithTheIndependentLineSolver)
{
    const std::filesystem::path folder = std::filesystem::path(GRIDWICK_PUZZLES_DIR) / "public";
    if (!std::filesystem::exists(folder / "verdicts.tsv"))
        GTEST_SKIP() << "no puzzle corpus at " << folder;
    const std::map<std::string, Verdict> verdicts = readVerdicts(folder / "verdicts.tsv");
    ASSERT_FALSE(verdicts.empty());
    int limits = 0;
    for (const auto& [name, verdict] : verdicts) {
        SCOPED_TRACE(name);
        gw::Puzzle puzzle;
        const gw::LoadResult load = gw::LoadPuzzle(puzzle, (folder / name).string(), gw::ReaderVariant::Maker);
        ASSERT_TRUE(load.loaded());
        const gw::TestRunResult run = gw::runComputerTest(puzzle, false);
        EXPECT_EQ(run.wrong, 0);
        const bool solved = run.outcome == gw::TestOutcome::Solved;
        EXPECT_NE(run.outcome, gw::TestOutcome::Stopped);
        if (run.outcome == gw::TestOutcome::LimitsExhausted)
            ++limits;
        if (solved) {
            EXPECT_EQ(run.known, run.total);
        }
        if (verdict.colours == 1 && run.outcome != gw::TestOutcome::LimitsExhausted) {
            EXPECT_EQ(solved, verdict.lineSolved);
        } else if (solved) {
            EXPECT_TRUE(verdict.lineSolved);
        }
    }
    std::cout << verdicts.size() << " puzzles, " << limits << " ended on the limits\n";
    RecordProperty("limits", limits);
}
