// Importing large photos as the maker does: a 12 MP JPEG (decoded whole), a
// 48 MP one and a 20000 x 20000 one (decoded at an eighth), each made of flat
// 8 x 8 blocks when the benchmark starts. The counter peak_rss_mb is the
// process's peak resident memory after the imports: run one size a process
// (--benchmark_filter=BM_ImportJpeg/8000/6000) for that size's own figure.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>

#include "editor/ImageImport.h"
#include "editor/tests/EditorTestKit.h"

namespace {

void BM_ImportJpeg(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("photo.jpg")));
    const QByteArray bytes = gw::editor::testing::blockJpeg(size, [](int bx, int by) { return (bx ^ by) & 0xff; });
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the picture");
        return;
    }
    file.close();
    for (auto _ : state) {
        gw::Puzzle puzzle;
        const auto result = gw::editor::importImage(puzzle, file.fileName(), gw::Language::English);
        if (result.status != gw::editor::ImportStatus::Imported)
            state.SkipWithError("not imported");
        benchmark::DoNotOptimize(puzzle.cells);
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["file_mb"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ImportJpeg)->Args({4000, 3000})->Args({8000, 6000})->Args({20000, 20000})->Unit(benchmark::kMillisecond);

} // namespace
