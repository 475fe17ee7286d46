// New puzzles to play: generation time over 100 codes per size, colour count
// and grade (median and slowest), each puzzle re-analysed without budgets to
// count those unique and graded as asked (the counter "asked", 1 = all).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "solver/analysis/RandomPuzzle.h"

namespace {

namespace an = gw::analysis;

constexpr int CodesPerCase = 100;

// Arguments: width and height, colours (white included), grade 0..2 (easy,
// medium, hard).
void BM_GenerateRandomPuzzle(benchmark::State& state)
{
    const an::Difficulty grades[] = {an::Difficulty::Easy, an::Difficulty::Medium, an::Difficulty::Hard};
    std::vector<double> milliseconds;
    int asked = 0, gradings = 0;
    for (auto _ : state) {
        for (int i = 0; i < CodesPerCase; ++i) {
            const an::PuzzleCode code = an::newPuzzleCode(
                static_cast<int>(state.range(0)), static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                grades[state.range(2)], static_cast<std::uint64_t>(i));
            const auto start = std::chrono::steady_clock::now();
            const an::GeneratedPuzzle made = an::generateRandomPuzzle(code);
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            gradings += made.gradings;
            state.PauseTiming();
            an::AnalysisOptions exact;
            exact.gradeDifficulty = true;
            exact.maxNodes = 0;
            exact.maxMilliseconds = 0;
            const an::AnalysisResult check = an::analyzePuzzle(made.picture, exact);
            asked += check.uniqueness == an::Uniqueness::Unique && check.difficulty == code.grade ? 1 : 0;
            state.ResumeTiming();
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["max_ms"] = milliseconds.back();
    state.counters["gradings"] = static_cast<double>(gradings) / static_cast<double>(milliseconds.size());
    state.counters["asked"] = static_cast<double>(asked) / static_cast<double>(milliseconds.size());
}
BENCHMARK(BM_GenerateRandomPuzzle)
    ->ArgsProduct({{10, 20, 30}, {2, 4}, {0, 1, 2}})
    ->ArgNames({"side", "colors", "grade"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
// The quoted targets: 15 x 15 medium, 30 x 30 hard and 50 x 50 (each grade).
BENCHMARK(BM_GenerateRandomPuzzle)
    ->Args({15, 2, 1})
    ->Args({30, 2, 2})
    ->Args({50, 2, 0})
    ->Args({50, 2, 1})
    ->Args({50, 2, 2})
    ->ArgNames({"side", "colors", "grade"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
