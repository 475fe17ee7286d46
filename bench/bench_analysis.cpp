// Puzzle analysis: one exact line pass, line logic and uniqueness over the
// public corpus, and random pictures up to 50 x 50.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/Clues.h"
#include "core/PuzzleFile.h"
#include "core/tests/TestSupport.h"
#include "solver/analysis/PuzzleAnalysis.h"
#include "solver/tests/RandomPuzzles.h"

namespace {

namespace an = gw::analysis;

struct CorpusPuzzle {
    gw::Puzzle picture;
    gw::ClueTables clues;
};

// The puzzles listed in the corpus's verdicts.tsv, clues derived.
const std::vector<CorpusPuzzle>& corpus()
{
    static const std::vector<CorpusPuzzle> puzzles = [] {
        std::vector<CorpusPuzzle> list;
        const std::filesystem::path folder = std::filesystem::path(GRIDWICK_PUZZLES_DIR) / "public";
        std::ifstream verdicts(folder / "verdicts.tsv");
        std::string line;
        std::getline(verdicts, line); // header
        while (std::getline(verdicts, line)) {
            CorpusPuzzle entry;
            const std::string name = line.substr(0, line.find('\t'));
            if (gw::readPuzzleFile(entry.picture, (folder / name).string(), gw::ReaderVariant::Maker).loaded()) {
                gw::deriveClues(entry.picture, entry.clues);
                list.push_back(entry);
            }
        }
        return list;
    }();
    return puzzles;
}

// One pass of the exact line solver over a 50-cell line, every cell open:
// argument 0 a black-and-white line of 12 runs, 1 the same in four colours
// (runs touching), 2 a line of 25 single cells.
void BM_LinePass50(benchmark::State& state)
{
    const char* pictures[] = {"###.#..####.##..#.###..#.##...#..####.#.#..###.#.#.",
                              "RRR.BG..YYYY.RB..G.RRR..B.GG...R..YYYY.BR..GGG.R.B.",
                              "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#."};
    gw::Puzzle row = gwtest::puzzleFromRows({std::string(pictures[state.range(0)]).substr(0, 50)}, true);
    gw::ClueTables clues;
    gw::deriveClues(row, clues);
    const gw::LineClue& clue = clues.rows[0];
    an::LineColors open {};
    open[gw::White] = (std::uint64_t {1} << 50) - 1;
    for (int q = 0; q < gw::PaletteSize; ++q)
        if (clue.colorMask & (1u << q))
            open[static_cast<std::size_t>(q)] = open[gw::White];
    for (auto _ : state) {
        an::LineColors cells = open;
        benchmark::DoNotOptimize(an::solveLine(clue, 50, cells));
        benchmark::DoNotOptimize(cells);
    }
    state.counters["runs"] = clue.count;
}
BENCHMARK(BM_LinePass50)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kNanosecond);

// The same pass when a grid keeps one byte of colours per cell: the line's
// words are gathered from the bytes first (what the word-per-colour grid
// saves on every line solve).
void BM_LinePass50FromCellBytes(benchmark::State& state)
{
    gw::Puzzle row = gwtest::puzzleFromRows({"RRR.BG..YYYY.RB..G.RRR..B.GG...R..YYYY.BR..GGG.R.B"}, true);
    gw::ClueTables clues;
    gw::deriveClues(row, clues);
    const gw::LineClue& clue = clues.rows[0];
    std::vector<std::uint8_t> bytes(50, static_cast<std::uint8_t>(clue.colorMask | 1u << gw::White));
    for (auto _ : state) {
        an::LineColors cells {};
        for (int i = 0; i < 50; ++i)
            for (unsigned rest = bytes[static_cast<std::size_t>(i)]; rest != 0; rest &= rest - 1)
                cells[static_cast<std::size_t>(__builtin_ctz(rest))] |= std::uint64_t {1} << i;
        benchmark::DoNotOptimize(an::solveLine(clue, 50, cells));
        benchmark::DoNotOptimize(cells);
    }
}
BENCHMARK(BM_LinePass50FromCellBytes)->Unit(benchmark::kNanosecond);

// Line logic to its fixpoint over the whole corpus, clues derived beforehand.
void BM_LineLogicCorpus(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("no puzzle corpus");
        return;
    }
    an::AnalysisOptions lineLogicOnly;
    lineLogicOnly.decideUniqueness = false;
    std::int64_t lineSolves = 0;
    for (auto _ : state) {
        lineSolves = 0;
        for (const CorpusPuzzle& p : corpus()) {
            const an::AnalysisResult r = an::analyzeClues(p.clues, p.picture.width, p.picture.height, lineLogicOnly);
            lineSolves += r.lineSolves;
            benchmark::DoNotOptimize(r.openCells);
        }
    }
    state.counters["puzzles"] = static_cast<double>(corpus().size());
    state.counters["line_solves"] = static_cast<double>(lineSolves);
}
BENCHMARK(BM_LineLogicCorpus)->Unit(benchmark::kMicrosecond);

// The same with each analysis set up (clues in the analysis's own form, the
// grid of open cells) before the clock runs: line logic and its result only.
void BM_LineLogicCorpusSetUp(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("no puzzle corpus");
        return;
    }
    an::AnalysisOptions lineLogicOnly;
    lineLogicOnly.decideUniqueness = false;
    std::vector<an::PuzzleAnalysis> analyses;
    for (auto _ : state) {
        state.PauseTiming();
        analyses.clear();
        for (const CorpusPuzzle& p : corpus())
            analyses.emplace_back(p.clues, p.picture.width, p.picture.height, lineLogicOnly);
        state.ResumeTiming();
        for (an::PuzzleAnalysis& analysis : analyses)
            benchmark::DoNotOptimize(analysis.run().openCells);
    }
}
BENCHMARK(BM_LineLogicCorpusSetUp)->Unit(benchmark::kMicrosecond);

// Line logic and uniqueness for every corpus puzzle from its picture (clue
// derivation included); reports the slowest puzzle.
void BM_UniquenessCorpus(benchmark::State& state)
{
    if (corpus().empty()) {
        state.SkipWithError("no puzzle corpus");
        return;
    }
    double slowest = 0;
    int unknown = 0;
    for (auto _ : state) {
        unknown = 0;
        for (const CorpusPuzzle& p : corpus()) {
            const an::AnalysisResult r = an::analyzePuzzle(p.picture);
            slowest = std::max(slowest, r.milliseconds);
            unknown += r.uniqueness == an::Uniqueness::Unknown ? 1 : 0;
        }
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["unknown"] = unknown;
}
BENCHMARK(BM_UniquenessCorpus)->Unit(benchmark::kMillisecond);

// Full analysis of 20 seeded random pictures of the given size (both sides),
// of every kind and 2..8 colours, with a budget of 1 s each.
void BM_RandomPictures(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    std::vector<gw::Puzzle> pictures;
    for (std::uint32_t seed = 1; seed <= 20; ++seed)
        pictures.push_back(gw::testing::randomPicture(seed, size, size));
    an::AnalysisOptions options;
    options.maxMilliseconds = 1000;
    int unknown = 0, unique = 0;
    double slowest = 0;
    for (auto _ : state) {
        unknown = unique = 0;
        for (const gw::Puzzle& picture : pictures) {
            const an::AnalysisResult r = an::analyzePuzzle(picture, options);
            unknown += r.uniqueness == an::Uniqueness::Unknown ? 1 : 0;
            unique += r.uniqueness == an::Uniqueness::Unique ? 1 : 0;
            slowest = std::max(slowest, r.milliseconds);
        }
    }
    state.counters["unique"] = unique;
    state.counters["unknown"] = unknown;
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_RandomPictures)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
