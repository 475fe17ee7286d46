// One hint on 50 x 50 puzzles: at the start (the whole grid open) and half
// way through (half of the cells marked right), black and white and colour.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/PuzzleGenerator.h"
#include "core/Clues.h"
#include "solver/analysis/Hint.h"

namespace {

void BM_Hint50x50(benchmark::State& state)
{
    gw::PuzzleRecipe recipe;
    recipe.shape = gw::PictureShape::Blobs;
    recipe.width = recipe.height = 50;
    recipe.colors = static_cast<int>(state.range(0));
    recipe.seed = 7;
    const gw::Puzzle puzzle = gw::generatePuzzle(recipe);
    gw::ClueTables clues;
    gw::deriveClues(puzzle, clues);
    std::vector<std::uint8_t> marks(50 * 50, 0);
    if (state.range(1) != 0)
        for (int y = 0; y < 50; y += 2)
            for (int x = 0; x < 50; ++x)
                marks[static_cast<std::size_t>(y * 50 + x)] = static_cast<std::uint8_t>(puzzle.cell(x, y) + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(gw::analysis::findHint(puzzle, clues, marks));
}
// Arguments: palette entries (2 black and white, 8 all colours), half marked.
BENCHMARK(BM_Hint50x50)->Args({2, 0})->Args({2, 1})->Args({8, 0})->Args({8, 1})->Unit(benchmark::kMillisecond);

} // namespace
