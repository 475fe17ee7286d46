// Composing the print preview of a 50 x 50 colour puzzle, and one tick of the
// computer test in the test window (painting the cells it sets included).
#include <benchmark/benchmark.h>

#include <QTimer>

#include "platform/testing/FakePlatform.h"
#include "print/PageSurface.h"
#include "print/PrintDialog.h"
#include "trialwindow/TrialWindow.h"

namespace {

// A 50 x 50 picture of coloured blocks: many runs in every line.
gw::Puzzle colorPuzzle()
{
    gw::Puzzle p;
    p.width = p.height = 50;
    p.isColor = true;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            const int block = (x / 3 + 2 * (y / 4)) % 9;
            p.cell(x, y) = static_cast<std::uint8_t>(block == 8 || (x + y) % 7 == 0 ? gw::White : block % 8);
        }
    return p;
}

struct Windows {
    gw::platform::testing::FakePlatform fake;
    gw::platform::Platform platform {fake.platform()};
    gw::Puzzle puzzle = colorPuzzle();
    gw::Session session;
    gw::ClueTables clues;
    gw::PrintDialog print {puzzle, session, clues, platform};
    gw::TrialWindow test {puzzle, session, clues, platform, [this](gw::CluePanel& panel, QSizeF area) {
                              return print.composeForTest(panel, area).cellSize;
                          }};
};

void BM_ComposePreview50x50Color(benchmark::State& state)
{
    Windows w;
    w.puzzle.title = "Blocks";
    w.print.open();
    for (auto _ : state)
        w.print.composePreview();
}
BENCHMARK(BM_ComposePreview50x50Color)->Unit(benchmark::kMillisecond);

// The page painter alone on a 96 dpi canvas, without the dialog's preview copy.
void BM_ComposePage50x50Color(benchmark::State& state)
{
    const gw::Puzzle puzzle = colorPuzzle();
    gw::ClueTables clues;
    gw::deriveClues(puzzle, clues);
    gw::PointImage canvas;
    gw::PageOptions options;
    options.title = QStringLiteral("Blocks");
    for (auto _ : state) {
        gw::ImageSurface surface(canvas, 4.0 / 3.0, 1.0);
        gw::composePage(surface, gw::pageWithoutPrinter(true), gw::PageMode::Preview, options, puzzle, clues, {});
    }
}
BENCHMARK(BM_ComposePage50x50Color)->Unit(benchmark::kMillisecond);

void BM_TestWindowTick(benchmark::State& state)
{
    Windows w;
    w.test.open();
    w.test.startTest();
    w.test.stepTimer()->stop(); // the benchmark ticks itself
    for (auto _ : state) {
        if (!w.test.driver().isStepping()) {
            state.PauseTiming();
            w.fake.messages.clear();
            w.test.startTest();
            w.test.stepTimer()->stop();
            state.ResumeTiming();
        }
        w.test.driver().tick();
    }
}
BENCHMARK(BM_TestWindowTick)->Unit(benchmark::kMicrosecond);

} // namespace
