// Show solvability in the maker: what follows one edit of a 50 x 50 colour
// puzzle on the GUI thread (clues derived anew, line logic, the list of open
// cells handed to the shading), and how long the uniqueness search that
// follows in slices takes to its answer.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include "PuzzleGenerator.h"
#include "core/Session.h"
#include "editor/GridView.h"
#include "editor/SolvabilityOverlay.h"

namespace {

// 50 x 50 colour pictures, argument 0..4: blobs and dense noise in eight
// colours, then three hard cases of the benchmark set (README.md here): a
// checkerboard in eight colours (unique, 1524 cells open after line logic),
// one in four colours (undecided after 10 s of search) and sparse
// eight-colour noise (not unique).
gw::Puzzle picture(int kind)
{
    if (kind >= 2)
        return gw::generatePuzzle(
            gw::benchmarkRecipes(gw::BenchmarkSetSeed, 5)[static_cast<std::size_t>(kind == 4 ? 4 : kind - 2)]);
    gw::PuzzleRecipe recipe;
    recipe.width = recipe.height = 50;
    recipe.colors = 8;
    recipe.seed = 7;
    recipe.shape = kind == 0 ? gw::PictureShape::Blobs : gw::PictureShape::Noise;
    return gw::generatePuzzle(recipe);
}

struct Maker {
    gw::Puzzle puzzle;
    gw::Session session;
    gw::editor::GridView grid {puzzle};
    gw::editor::SolvabilityOverlay overlay {puzzle, session, grid};

    explicit Maker(int kind) : puzzle(picture(kind))
    {
        grid.redraw(12);
        overlay.action()->setChecked(true);
        overlay.sliceTimer()->stop();
    }
    // The edit: cell (25, 25) takes the next colour and is drawn.
    void edit()
    {
        std::uint8_t& cell = puzzle.cell(25, 25);
        cell = static_cast<std::uint8_t>((cell + 1) % 8);
        grid.paintCell(25, 25, cell);
    }
};

// One edit and the recompute the next turn of the event loop brings: this is
// what must stay within 20 ms to keep up with drawing.
void BM_RecomputeAfterEdit50x50Color(benchmark::State& state)
{
    Maker m(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        m.edit();
        m.overlay.recompute();
        m.overlay.sliceTimer()->stop();
    }
    state.counters["open_cells"] = m.overlay.result()->openCells;
    state.counters["line_solvable"] = m.overlay.result()->lineSolvable;
}
BENCHMARK(BM_RecomputeAfterEdit50x50Color)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The whole analysis after an edit: the recompute, then turns of the event
// loop, each running one slice of SolvabilityOverlay::Slice, until
// uniqueness is known or the budget (5 s of work) is spent. The status line
// says "checking" meanwhile.
void BM_UniquenessAfterEdit50x50Color(benchmark::State& state)
{
    Maker m(static_cast<int>(state.range(0)));
    int slices = 0;
    for (auto _ : state) {
        m.edit();
        m.overlay.recompute();
        slices = 0;
        for (; m.overlay.checking(); ++slices)
            QCoreApplication::processEvents();
    }
    state.counters["slices"] = slices;
    state.counters["nodes"] = static_cast<double>(m.overlay.result()->nodes);
    state.counters["unique"] = m.overlay.result()->uniqueness == gw::analysis::Uniqueness::Unique;
    state.counters["unknown"] = m.overlay.result()->uniqueness == gw::analysis::Uniqueness::Unknown;
}
BENCHMARK(BM_UniquenessAfterEdit50x50Color)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
