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

// Moving left across white cells, with no carry to help, goes in doubling
// steps: spans[j] has bit b set when cells b .. b + 2^j - 1 may all be
// white, so that boundary b follows from boundary b + 2^j. Six steps cover
// 63 cells; the spans depend only on the white cells, so a line computes
// them once.
struct WhiteSpans {
    std::array<Word, 6> spans;
    explicit WhiteSpans(Word white)
    {
        spans[0] = white;
        for (std::size_t j = 1; j < spans.size(); ++j)
            spans[j] = spans[j - 1] & (spans[j - 1] >> (1u << (j - 1)));
    }
    // Boundaries from which white cells lead right to one of `seeds`.
    Word reachBack(Word seeds) const
    {
        seeds |= (seeds >> 1) & spans[0];
        seeds |= (seeds >> 2) & spans[1];
        seeds |= (seeds >> 4) & spans[2];
        seeds |= (seeds >> 8) & spans[3];
        seeds |= (seeds >> 16) & spans[4];
        return seeds | ((seeds >> 32) & spans[5]);
    }
};

} // namespace

bool solveLine(const LineClue& clue, int length, LineColors& cells) { return solveLine(clue, length, cells, nullptr); }

bool solveLine(const LineClue& clue, int length, LineColors& cells, Word* runStarts)
{
    const int count = clue.count;
    const Word white = cells[White];
    // Boundary b lies before cell b (0..length). Forwards, for run k: where
    // it may start with runs 0..k fitting the cells up to its end; for gap g
    // (the stretch before run g; gap `count` after the last run): the
    // boundaries reached across white cells from the end of run g - 1 (from
    // boundary 0 for g = 0). Bit k of `sameColorAhead`: run k + 1 has run k's
    // colour.
    std::array<Word, MaxPuzzleSize> fits, forwardStarts;
    std::array<Word, MaxPuzzleSize + 1> forwardReach;
    Word sameColorAhead = 0;

    Word reach = reachAcrossWhite(1, white);
    forwardReach[0] = reach;
    for (int k = 0; k < count; ++k) {
        const std::size_t run = static_cast<std::size_t>(k);
        const int runLength = clue.lengths[run];
        fits[run] = fittingStarts(cells[clue.colors[run]], runLength);
        Word free = reach;
        if (k > 0 && clue.colors[run] == clue.colors[run - 1]) {
            free = (reach & white) << 1; // runs of one colour need a white cell between them
            sameColorAhead |= Word {1} << (k - 1);
        }
        const Word starts = free & fits[run];
        if (starts == 0)
            return false;
        forwardStarts[run] = starts;
        reach = reachAcrossWhite(starts << runLength, white);
        forwardReach[run + 1] = reach;
    }
    if (((reach >> length) & 1) == 0)
        return false;

    // Backwards the same, and at each run and gap what both directions allow:
    // a start of run k that both passes found, or a cell i of gap g whose
    // boundary i is reached from the left and boundary i + 1 leads on right.
    LineColors narrowed {};
    const WhiteSpans whiteSpans(white);
    reach = whiteSpans.reachBack(Word {1} << length);
    Word whiteCells = forwardReach[static_cast<std::size_t>(count)] & (reach >> 1);
    for (int k = count - 1; k >= 0; --k) {
        const std::size_t run = static_cast<std::size_t>(k);
        const int runLength = clue.lengths[run];
        const Word free = (sameColorAhead >> k) & 1 ? (reach >> 1) & white : reach;
        const Word starts = fits[run] & (free >> runLength);
        narrowed[clue.colors[run]] |= coveredCells(forwardStarts[run] & starts, runLength);
        if (runStarts)
            runStarts[run] = forwardStarts[run] & starts;
        reach = whiteSpans.reachBack(starts);
        whiteCells |= forwardReach[run] & (reach >> 1);
    }
    narrowed[White] = whiteCells & white;
    cells = narrowed;
    return true;
}

bool solveLineSimple(const LineClue& clue, int length, LineColors& cells)
{
    std::array<Word, MaxPuzzleSize> starts {};
    LineColors exact = cells;
    if (!solveLine(clue, length, exact, starts.data()))
        return false;
    LineColors reach {}; // bit i of word q: cell i lies in the range of a run of colour q
    LineColors core {};  // bit i of word q: cell i lies in the overlap of a run of colour q
    Word anyCore = 0;
    for (int k = 0; k < clue.count; ++k) {
        const std::size_t run = static_cast<std::size_t>(k);
        const int runLength = clue.lengths[run];
        const int leftmost = lowestBit(starts[run]);
        const int rightmost = 63 - __builtin_clzll(starts[run]);
        const Word range = (Word {1} << (rightmost + runLength)) - (Word {1} << leftmost);
        reach[clue.colors[run]] |= range;
        if (rightmost < leftmost + runLength) {
            const Word overlap = (Word {1} << (leftmost + runLength)) - (Word {1} << rightmost);
            core[clue.colors[run]] |= overlap;
            anyCore |= overlap;
        }
    }
    cells[White] &= ~anyCore;
    for (std::size_t q = 0; q < cells.size(); ++q)
        if (q != White)
            cells[q] &= reach[q] & (~anyCore | core[q]);
    return true;
}

} // namespace gw::analysis
