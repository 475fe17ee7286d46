#include "Clues.h"

#include <algorithm>

#include "Palette.h"

namespace gw {

namespace {

// The clue of `cellCount` cells (1..50) read from `cells` every `stride`
// bytes (1 along a row of Puzzle::cells, MaxPuzzleSize down a column):
// palette indices, White the empty cell.
LineClue lineClueOf(const std::uint8_t* cells, int cellCount, int stride)
{
    LineClue clue;
    int run = 0;                   // length of the run that ends before cell i
    std::uint8_t previous = White; // the colour of cell i - 1
    for (int i = 0; i <= cellCount; ++i) {
        const std::uint8_t v = i < cellCount ? cells[static_cast<std::ptrdiff_t>(i) * stride] : std::uint8_t {White};
        if (run > 0 && v != previous) {
            clue.addRun(run, previous); // white or another colour closes the run
            run = 0;
        }
        if (v != White)
            ++run;
        previous = v;
    }
    return clue;
}

} // namespace

void deriveClues(const Puzzle& puzzle, ClueTables& clues)
{
    int maxRow = 0;
    int maxColumn = 0;
    for (int x = 0; x < MaxPuzzleSize; ++x) {
        LineClue& column = clues.columns[static_cast<std::size_t>(x)];
        column = x < puzzle.width ? lineClueOf(&puzzle.cells[static_cast<std::size_t>(x)], puzzle.height, MaxPuzzleSize)
                                  : LineClue {};
        maxColumn = std::max(maxColumn, column.count);
    }
    for (int y = 0; y < MaxPuzzleSize; ++y) {
        LineClue& row = clues.rows[static_cast<std::size_t>(y)];
        row = y < puzzle.height
                  ? lineClueOf(&puzzle.cells[static_cast<std::size_t>(MaxPuzzleSize * y)], puzzle.width, 1)
                  : LineClue {};
        maxRow = std::max(maxRow, row.count);
    }
    clues.maxRowClues = static_cast<std::int16_t>(std::max(maxRow, 1));
    clues.maxColumnClues = static_cast<std::int16_t>(std::max(maxColumn, 1));
}

} // namespace gw
