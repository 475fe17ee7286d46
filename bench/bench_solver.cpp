// The computer test: the whole public corpus, and single ticks of a large
// puzzle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "core/Clues.h"
#include "core/PuzzleFile.h"
#include "solver/ComputerTest.h"
#include "solver/SolverDriver.h"

namespace {

std::vector<gw::Puzzle> loadCorpus()
{
    std::vector<gw::Puzzle> puzzles;
    const std::filesystem::path folder = std::filesystem::path(GRIDWICK_PUZZLES_DIR) / "public";
    if (!std::filesystem::exists(folder))
        return puzzles;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".pbm" && ext != ".ppm")
            continue;
        gw::Puzzle puzzle;
        if (gw::readPuzzleFile(puzzle, entry.path().string(), gw::ReaderVariant::Maker).loaded())
            puzzles.push_back(puzzle);
    }
    return puzzles;
}

const std::vector<gw::Puzzle>& corpus()
{
    static const std::vector<gw::Puzzle> puzzles = loadCorpus();
    return puzzles;
}

// Every puzzle of the corpus from start to verdict, one after the other.
void BM_WholeCorpus(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("no puzzle corpus");
        return;
    }
    double longestStep = 0;
    for (auto _ : state) {
        for (const gw::Puzzle& puzzle : corpus()) {
            const gw::ComputerTestResult run = gw::runComputerTest(puzzle, false);
            longestStep = std::max(longestStep, run.longestStepMs);
            benchmark::DoNotOptimize(run.known);
        }
    }
    state.counters["puzzles"] = static_cast<double>(corpus().size());
    state.counters["longest_step_ms"] = longestStep;
}
BENCHMARK(BM_WholeCorpus)->Unit(benchmark::kMillisecond);

// Random 50 x 50 black-and-white pictures (fixed seed) of the given
// density in percent: from quickly solved (70) to every line's list at the
// placement limit (50, 35). Reports the longest step, the stretch between two
// event-loop calls or one tick.
void BM_Random50(benchmark::State& state)
{
    std::mt19937 rng(11);
    gw::Puzzle puzzle;
    puzzle.width = 50;
    puzzle.height = 50;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            puzzle.cell(x, y) = static_cast<std::int64_t>(rng() % 100) < state.range(0) ? 0 : 1;
    double longestStep = 0;
    for (auto _ : state) {
        const gw::ComputerTestResult run = gw::runComputerTest(puzzle, false);
        longestStep = std::max(longestStep, run.longestStepMs);
        benchmark::DoNotOptimize(run.known);
    }
    state.counters["longest_step_ms"] = longestStep;
}
BENCHMARK(BM_Random50)->Arg(35)->Arg(50)->Arg(60)->Arg(70)->Unit(benchmark::kMillisecond);

// One tick: the largest corpus puzzle is started once; every iteration is
// one comparison tick (or an end of sweep), restarting when the test ends.
void BM_OneTick(benchmark::State& state)
{
    const gw::Puzzle* largest = nullptr;
    for (const gw::Puzzle& puzzle : corpus())
        if (!largest || puzzle.width * puzzle.height > largest->width * largest->height)
            largest = &puzzle;
    if (!largest) {
        state.SkipWithError("no puzzle corpus");
        return;
    }
    gw::ClueTables clues;
    gw::deriveClues(*largest, clues);
    gw::CellKnowledge knowledge;
    gw::SolverObserver observer;
    gw::SolverDriver driver(*largest, clues, knowledge, observer);
    driver.start();
    for (auto _ : state) {
        if (!driver.isStepping()) {
            state.PauseTiming();
            driver.start();
            state.ResumeTiming();
        }
        driver.tick();
    }
}
BENCHMARK(BM_OneTick)->Unit(benchmark::kMicrosecond);

} // namespace
