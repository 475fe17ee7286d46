// Reading a 50 x 50 puzzle file and deriving its clues, as the player does
// after every open.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Clues.h"
#include "core/PuzzleFile.h"

namespace {

gw::Puzzle fullPuzzle(bool color)
{
    gw::Puzzle p;
    p.width = 50;
    p.height = 50;
    p.isColor = color;
    p.title = "Benchmark";
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            p.cell(x, y) = color ? static_cast<std::uint8_t>((x * 3 + y * 5) % 8)
                                 : static_cast<std::uint8_t>((x * 7 + y * 3) % 5 < 2 ? 0 : 1);
    return p;
}

// Writes the file once; the benchmark then opens, reads and derives each time.
void readFileAndDerive(benchmark::State& state, bool color)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / (color ? "gridwick-bench-50.ppm" : "gridwick-bench-50.pbm")).string();
    gw::Puzzle original = fullPuzzle(color);
    if (!gw::savePbm(original, path).ok) {
        state.SkipWithError("cannot write the benchmark file");
        return;
    }
    gw::Puzzle p;
    gw::ClueTables clues;
    for (auto _ : state) {
        const gw::LoadResult r = gw::readPuzzleFile(p, path, gw::ReaderVariant::Player);
        gw::deriveClues(p, clues);
        benchmark::DoNotOptimize(r.status);
        benchmark::DoNotOptimize(clues.rows.data());
    }
    std::remove(path.c_str());
}

void readMemoryAndDerive(benchmark::State& state, bool color)
{
    const gw::Puzzle original = fullPuzzle(color);
    const std::string bytes = color ? gw::ppmBytes(original) : gw::pbmBytes(original);
    gw::Puzzle p;
    gw::ClueTables clues;
    for (auto _ : state) {
        std::stringbuf in(bytes, std::ios::in);
        const gw::LoadResult r = gw::readPuzzleData(p, in, "bench.pbm", gw::ReaderVariant::Maker);
        gw::deriveClues(p, clues);
        benchmark::DoNotOptimize(r.status);
        benchmark::DoNotOptimize(clues.rows.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(readFileAndDerive, pbm50x50, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readFileAndDerive, ppm50x50, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readMemoryAndDerive, pbm50x50, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readMemoryAndDerive, ppm50x50, true)->Unit(benchmark::kMicrosecond);
