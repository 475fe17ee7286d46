#include "ExactLineSolver.h"

namespace gw::analysis {

namespace {

// Boundaries reachable from `seeds` by stepping right over cells that may be
// white: boundary b + 1 follows b when cell b is in `white`. The carries of
// white + seeds run from each seed through the white cells above it.
inline Word reachAcrossWhite(Word seeds, Word white)
{
    const Word moving = seeds & white;
    return seeds | ((white + moving) ^ white ^ moving);
}

// Starts s at which cells s..s+length-1 all lie in `allowed`.
inline Word fittingStarts(Word allowed, int length)
{
    Word fits = allowed;
    int span = 1;
    while (span * 2 <= length) {
        fits &= fits >> span;
        span *= 2;
    }
    return fits & (fits >> (length - span));
}

// The cells covered by a run of `length` starting at any of `starts`.
inline Word coveredCells(Word starts, int length)
{
    Word covered = starts;
    int span = 1;
    while (span * 2 <= length) {
        covered |= covered << span;
        span *= 2;
    }
    return covered | (covered << (length - span));
}

// What one forward pass finds: for run k, the starts at which runs 0..k fit
// before and at it; for gap g (before run g; gap `count` after the last run),
// the boundaries reached from the end of run g - 1 (from boundary 0 for
// g = 0) across white cells.
struct PassSets {
    std::array<Word, MaxPuzzleSize> starts;
    std::array<Word, MaxPuzzleSize + 1> reach;
};

// Returns false when the runs cannot all be placed.
bool forwardPass(const LineClue& clue, bool reversed, int length, const LineColors& cells, PassSets& sets)
{
    const Word white = cells[White];
    Word reach = reachAcrossWhite(1, white);
    sets.reach[0] = reach;
    int previousColor = -1;
    for (int k = 0; k < clue.count; ++k) {
        const int run = reversed ? clue.count - 1 - k : k;
        const int runLength = clue.lengths[static_cast<std::size_t>(run)];
        const int color = clue.colors[static_cast<std::size_t>(run)];
        // Runs of one colour need a white cell between them.
        const Word free = color == previousColor ? (reach & white) << 1 : reach;
        const Word starts = free & fittingStarts(cells[static_cast<std::size_t>(color)], runLength);
        if (starts == 0)
            return false;
        sets.starts[static_cast<std::size_t>(k)] = starts;
        reach = reachAcrossWhite(starts << runLength, white);
        sets.reach[static_cast<std::size_t>(k + 1)] = reach;
        previousColor = color;
    }
    return (reach >> length) & 1;
}

} // namespace

LineClue rowClue(const ClueTables& clues, int y)
{
    LineClue clue;
    clue.count = clues.RowClueCount[static_cast<std::size_t>(y)];
    for (int k = 0; k < clue.count; ++k) {
        clue.lengths[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(clues.rowLength(y, k));
        clue.colors[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(clues.rowColor(y, k));
        clue.colorMask = static_cast<std::uint8_t>(clue.colorMask | 1u << clues.rowColor(y, k));
    }
    return clue;
}

LineClue columnClue(const ClueTables& clues, int x)
{
    LineClue clue;
    clue.count = clues.ColumnClueCount[static_cast<std::size_t>(x)];
    for (int k = 0; k < clue.count; ++k) {
        clue.lengths[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(clues.columnLength(x, k));
        clue.colors[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(clues.columnColor(x, k));
        clue.colorMask = static_cast<std::uint8_t>(clue.colorMask | 1u << clues.columnColor(x, k));
    }
    return clue;
}

bool solveLine(const LineClue& clue, int length, LineColors& cells)
{
    PassSets forward, backward;
    if (!forwardPass(clue, false, length, cells, forward))
        return false;

    // The same pass over the mirrored line: cell i becomes cell length-1-i.
    LineColors mirrored{};
    const unsigned used = clue.colorMask | 1u << White;
    for (unsigned colors = used; colors != 0; colors &= colors - 1) {
        const int q = lowestBit(colors);
        mirrored[static_cast<std::size_t>(q)] = reverseBits(cells[static_cast<std::size_t>(q)]) >> (64 - length);
    }
    if (!forwardPass(clue, true, length, mirrored, backward))
        return false;

    // A mirrored boundary b is boundary length-b; a mirrored start s of a run
    // of L cells is start length-L-s.
    LineColors narrowed{};
    Word white = 0;
    for (int gap = 0; gap <= clue.count; ++gap) {
        const Word after = reverseBits(backward.reach[static_cast<std::size_t>(clue.count - gap)]) >> (63 - length);
        // Cell i can be white in this gap when boundary i is reached from the
        // left and boundary i + 1 from the right.
        white |= forward.reach[static_cast<std::size_t>(gap)] & (after >> 1);
    }
    narrowed[White] = white & cells[White];
    for (int k = 0; k < clue.count; ++k) {
        const int runLength = clue.lengths[static_cast<std::size_t>(k)];
        const Word fromRight =
            reverseBits(backward.starts[static_cast<std::size_t>(clue.count - 1 - k)]) >> (63 - length + runLength);
        const Word starts = forward.starts[static_cast<std::size_t>(k)] & fromRight;
        narrowed[clue.colors[static_cast<std::size_t>(k)]] |= coveredCells(starts, runLength);
    }
    cells = narrowed;
    return true;
}

} // namespace gw::analysis
