#include "Clues.h"

#include <algorithm>

#include "Palette.h"

namespace gw {

namespace {

// Derives one line of `count` cells; cellAt(i) gives the palette index of cell i.
template <typename CellAt>
int deriveLine(int line, int count, CellAt cellAt,
               std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& lengths,
               std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& colors)
{
    int k = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t v = cellAt(i);
        const std::size_t slot = ClueTables::at(line, k);
        if (v != White) {
            if (colors[slot] != v && colors[slot] != White)
                ++k; // a different colour starts a new run right after the current one
            const std::size_t run = ClueTables::at(line, k);
            colors[run] = v;
            ++lengths[run];
        } else if (lengths[slot] != 0) {
            ++k; // the white cell closes the current run
        }
    }
    if (cellAt(count - 1) != White)
        ++k; // closes the run that touches the edge
    if (k == 0)
        colors[ClueTables::at(line, 0)] = Black;
    return k;
}

void derive(const Puzzle& p, ClueTables& c)
{
    c.RowClueLength.fill(0);
    c.ColumnClueLength.fill(0);
    c.RowClueColor.fill(White);
    c.ColumnClueColor.fill(White);
    c.RowClueCount.fill(0);
    c.ColumnClueCount.fill(0);
    c.RowRunSameColor.fill(0);
    c.ColumnRunSameColor.fill(0);
    int maxRow = 0;
    int maxColumn = 0;
    for (int x = 0; x < p.PuzzleWidth; ++x) {
        const int k = deriveLine(x, p.PuzzleHeight, [&](int y) { return p.cell(x, y); },
                                 c.ColumnClueLength, c.ColumnClueColor);
        maxColumn = std::max(maxColumn, k);
        c.ColumnClueCount[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(k);
    }
    for (int y = 0; y < p.PuzzleHeight; ++y) {
        const int k = deriveLine(y, p.PuzzleWidth, [&](int x) { return p.cell(x, y); },
                                 c.RowClueLength, c.RowClueColor);
        maxRow = std::max(maxRow, k);
        c.RowClueCount[static_cast<std::size_t>(y)] = static_cast<std::uint8_t>(k);
    }
    c.MaxRowClues = static_cast<std::int16_t>(std::max(maxRow, 1));
    c.MaxColumnClues = static_cast<std::int16_t>(std::max(maxColumn, 1));
}

void markSameColor(int lines, const std::array<std::uint8_t, MaxPuzzleSize>& counts,
                   const std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& colors,
                   std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& same)
{
    for (int line = 0; line < lines; ++line)
        for (int k = 1; k < counts[static_cast<std::size_t>(line)]; ++k)
            same[ClueTables::at(line, k)] =
                colors[ClueTables::at(line, k)] == colors[ClueTables::at(line, k - 1)] ? 1 : 0;
}

} // namespace

void deriveClues(const Puzzle& puzzle, ClueTables& clues)
{
    derive(puzzle, clues);
}

void derivePlayerClues(const Puzzle& puzzle, ClueTables& clues)
{
    derive(puzzle, clues);
    markSameColor(puzzle.PuzzleHeight, clues.RowClueCount, clues.RowClueColor, clues.RowRunSameColor);
    markSameColor(puzzle.PuzzleWidth, clues.ColumnClueCount, clues.ColumnClueColor, clues.ColumnRunSameColor);
}

} // namespace gw
