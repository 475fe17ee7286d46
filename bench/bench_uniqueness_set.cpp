// The uniqueness set (bench/PuzzleGenerator.h): uniqueness of every puzzle
// with the picture known, and suggested fixes for the not-unique ones up to
// 30 x 30. Counters: puzzles decided, undecided, the slowest in ms, the
// least square within which no second solution of an undecided puzzle lies;
// fixes found and the changed cells.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/PuzzleGenerator.h"
#include "solver/analysis/PuzzleAnalysis.h"
#include "solver/analysis/PuzzleFix.h"

namespace {

using namespace gw;

// Arg: how many recipes of the set (the whole set takes minutes: its
// undecided puzzles each use the full 10 s budget).
void BM_UniquenessSet(benchmark::State& state)
{
    const std::vector<PuzzleRecipe> recipes = uniquenessRecipes(UniquenessSetSeed, static_cast<int>(state.range(0)));
    std::vector<Puzzle> pictures;
    for (const PuzzleRecipe& recipe : recipes)
        pictures.push_back(generatePuzzle(recipe));
    double decided = 0, undecided = 0, slowest = 0, nearestSquare = 0;
    for (auto _ : state) {
        decided = undecided = slowest = nearestSquare = 0;
        for (const Puzzle& picture : pictures) {
            const analysis::AnalysisResult result = analysis::analyzePuzzle(picture);
            if (result.uniqueness == analysis::Uniqueness::Unknown) {
                const double square = result.noSecondSolutionWithin;
                nearestSquare = undecided == 0 ? square : std::min(nearestSquare, square);
                undecided += 1;
            } else {
                decided += 1;
                slowest = std::max(slowest, result.milliseconds);
            }
        }
    }
    state.counters["decided"] = decided;
    state.counters["undecided"] = undecided;
    state.counters["slowest_decided_ms"] = slowest;
    state.counters["undecided_none_within"] = nearestSquare;
}
BENCHMARK(BM_UniquenessSet)->Arg(120)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SuggestFix(benchmark::State& state)
{
    const std::vector<PuzzleRecipe> recipes = uniquenessRecipes(UniquenessSetSeed, static_cast<int>(state.range(0)));
    std::vector<Puzzle> ambiguous;
    for (const PuzzleRecipe& recipe : recipes) {
        if (recipe.width > 30 || recipe.height > 30)
            continue;
        Puzzle picture = generatePuzzle(recipe);
        if (analysis::analyzePuzzle(picture).uniqueness == analysis::Uniqueness::NotUnique)
            ambiguous.push_back(picture);
    }
    double found = 0, largest = 0;
    std::vector<double> changed;
    for (auto _ : state) {
        found = largest = 0;
        changed.clear();
        for (const Puzzle& picture : ambiguous) {
            const analysis::FixResult fix = analysis::suggestFix(picture);
            if (fix.stop != analysis::FixStop::Found)
                continue;
            found += 1;
            changed.push_back(static_cast<double>(fix.changes.size()));
            largest = std::max(largest, changed.back());
        }
    }
    std::sort(changed.begin(), changed.end());
    state.counters["puzzles"] = static_cast<double>(ambiguous.size());
    state.counters["fixed"] = found;
    state.counters["median_changes"] = changed.empty() ? 0 : changed[changed.size() / 2];
    state.counters["most_changes"] = largest;
}
BENCHMARK(BM_SuggestFix)->Arg(120)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
