// The computer test over the generated benchmark set (PuzzleGenerator.h:
// seed 12, 220 puzzles from 5 x 5 to 50 x 50, black-and-white and 2..8
// colours), each puzzle from start to verdict as `gridwick-cli check` runs it.
//
// BM_GeneratedSet runs the whole set one puzzle after the other; its time is
// the total. BM_GeneratedPuzzle/NNN-... runs one puzzle once, to find the
// worst ones (add --benchmark_repetitions=3 for steadier times).
//
// Counters:
//   longest_step_ms  the longest step of any test: one start() or tick(), or
//                    a stretch between two event-loop calls inside one (the
//                    measure of runComputerTest, as `check --stats` shows it)
//   longest_step_cpu_ms  the same in processor time, steady on a busy machine
//   peak_heap_MB     the most bytes (10^6) held on the heap at once during one
//                    test, above what was held before it started: what
//                    operator new was asked for (HeapCounter.h), without
//                    malloc's overhead; the same on every run
//   solved, stuck, limits   verdicts (BM_GeneratedPuzzle: outcome 0, 1, 2)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HeapCounter.h"
#include "PuzzleGenerator.h"
#include "solver/ComputerTest.h"

namespace {

struct GeneratedPuzzle {
    std::string name; // recipeFileName without its extension
    gw::Puzzle puzzle;
};

const std::vector<GeneratedPuzzle>& generatedSet()
{
    static const std::vector<GeneratedPuzzle> set = [] {
        std::vector<GeneratedPuzzle> puzzles;
        const std::vector<gw::PuzzleRecipe> recipes = gw::benchmarkRecipes(gw::BenchmarkSetSeed, gw::BenchmarkSetSize);
        for (std::size_t i = 0; i < recipes.size(); ++i) {
            const std::string file = gw::recipeFileName(static_cast<int>(i), recipes[i]);
            puzzles.push_back({file.substr(0, file.rfind('.')), gw::generatePuzzle(recipes[i])});
        }
        return puzzles;
    }();
    return set;
}

struct MeasuredRun {
    gw::ComputerTestResult result;
    double peakHeapMB = 0;
};

MeasuredRun measuredRun(const gw::Puzzle& puzzle)
{
    MeasuredRun run;
    const std::size_t before = gw::heap::liveBytes();
    gw::heap::resetPeak();
    run.result = gw::runComputerTest(puzzle, false);
    run.peakHeapMB = static_cast<double>(gw::heap::peakBytes() - before) / 1e6;
    return run;
}

void BM_GeneratedSet(benchmark::State& state)
{
    double longestStep = 0;
    double longestStepCpu = 0;
    double peakHeap = 0;
    int verdicts[3] = {0, 0, 0};
    for (auto _ : state) {
        std::fill(std::begin(verdicts), std::end(verdicts), 0);
        for (const GeneratedPuzzle& generated : generatedSet()) {
            const MeasuredRun run = measuredRun(generated.puzzle);
            longestStep = std::max(longestStep, run.result.longestStepMs);
            longestStepCpu = std::max(longestStepCpu, run.result.longestStepCpuMs);
            peakHeap = std::max(peakHeap, run.peakHeapMB);
            const auto outcome = static_cast<std::size_t>(run.result.outcome);
            if (outcome < 3)
                ++verdicts[outcome];
        }
    }
    state.counters["puzzles"] = static_cast<double>(generatedSet().size());
    state.counters["longest_step_ms"] = longestStep;
    state.counters["longest_step_cpu_ms"] = longestStepCpu;
    state.counters["peak_heap_MB"] = peakHeap;
    state.counters["solved"] = verdicts[static_cast<int>(gw::SolverOutcome::Solved)];
    state.counters["stuck"] = verdicts[static_cast<int>(gw::SolverOutcome::Stuck)];
    state.counters["limits"] = verdicts[static_cast<int>(gw::SolverOutcome::LimitsExhausted)];
}
BENCHMARK(BM_GeneratedSet)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GeneratedPuzzle(benchmark::State& state, std::size_t index)
{
    const gw::Puzzle& puzzle = generatedSet()[index].puzzle;
    MeasuredRun run;
    for (auto _ : state)
        run = measuredRun(puzzle);
    state.counters["longest_step_ms"] = run.result.longestStepMs;
    state.counters["longest_step_cpu_ms"] = run.result.longestStepCpuMs;
    state.counters["peak_heap_MB"] = run.peakHeapMB;
    state.counters["largest_list"] = run.result.largestList;
    state.counters["regenerations"] = run.result.regenerations;
    state.counters["outcome"] = static_cast<int>(run.result.outcome);
}

const bool puzzlesRegistered = [] {
    for (std::size_t i = 0; i < generatedSet().size(); ++i) {
        const std::string name = "BM_GeneratedPuzzle/" + generatedSet()[i].name;
        benchmark::RegisterBenchmark(name.c_str(), BM_GeneratedPuzzle, i)->Unit(benchmark::kMillisecond)->Iterations(1);
    }
    return true;
}();

} // namespace
