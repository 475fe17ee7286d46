#pragma once
// Suggesting a fix: a few cell changes after which a puzzle that is not
// unique becomes unique (or, asked for, after which line logic alone solves
// it), changing the picture as little as it can.
//
// The changes are looked for where the trouble is: the cells where the
// second solution differs from the picture (for line logic: the cells it
// leaves open) and their neighbours, each tried with the colours of its
// neighbours, the second solution's colour there and white. Every
// candidate is scored by the cells line logic leaves open after it (fewer is
// better; on a tie, the change that differs from fewer of its four
// neighbours, so that it blends into the picture). The best few are checked
// in full, with the analysis's own search; the first that reaches the goal
// is the suggestion. A picture may have several places that are ambiguous
// each on its own (sparse noise has many): a candidate after which a second
// solution differs only elsewhere has mended one of them, so it is kept
// and the search goes on from the changed picture; when no checked
// candidate does even that, the best scored one is kept. At most
// FixOptions::maxChanges changes. Every suggestion is checked by the analysis (exact), so a fixed
// picture is unique (respectively solvable by line logic).
//
// Runs in slices like PuzzleAnalysis: each step scores one candidate or
// advances one check.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "PuzzleAnalysis.h"

namespace gw::analysis {

struct CellChange {
    std::int16_t x, y;  // 0-based
    std::uint8_t color; // the palette index the cell gets
    bool operator==(const CellChange& other) const { return x == other.x && y == other.y && color == other.color; }
};

struct FixOptions {
    bool lineLogic = false; // the goal: solvable by line logic alone (else: unique)
    int skip = 0;           // suggestions to pass over: 1 asks for another than the first
    int maxChanges = 100;
    double maxMilliseconds = 5000; // working time in all; <= 0: no limit
    // The budget of each uniqueness check; a check that runs out counts as
    // a failed candidate.
    double checkMilliseconds = 250;
    std::int64_t checkNodes = 200000;
    const std::atomic<bool>* cancel = nullptr; // as in AnalysisOptions
};

enum class FixStop {
    Running,
    Found,        // FixResult::changes reach the goal
    AlreadyThere, // the picture reaches the goal as it is; no changes
    NotFound,     // no candidate within maxChanges, or the picture could not be analysed in time
    TimeLimit,
    Cancelled
};

struct FixResult {
    FixStop stop = FixStop::Running;
    std::vector<CellChange> changes; // row by row
    int candidatesTried = 0;         // scored by line logic
    int checks = 0;                  // full uniqueness checks
    double milliseconds = 0;
    bool finished() const { return stop != FixStop::Running; }
};

class PuzzleFixer {
public:
    PuzzleFixer(const Puzzle& picture, const FixOptions& options = {});
    ~PuzzleFixer();
    PuzzleFixer(PuzzleFixer&&) noexcept;
    PuzzleFixer& operator=(PuzzleFixer&&) noexcept;

    // Works for about `slice` (at least one step) and returns whether work remains.
    bool advance(std::chrono::microseconds slice);
    const FixResult& run();
    const FixResult& result() const;
    bool finished() const { return result().finished(); }

private:
    class Work;
    std::unique_ptr<Work> m_work;
};

FixResult suggestFix(const Puzzle& picture, const FixOptions& options = {});

// Sets every changed cell of `picture` (cells outside its size are skipped).
void applyFix(Puzzle& picture, const std::vector<CellChange>& changes);

} // namespace gw::analysis
