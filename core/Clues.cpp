#include "Clues.h"

#include <algorithm>

#include "Palette.h"

namespace gw {

namespace {

// Derives one line of `count` cells; cellAt(i) gives the palette index of cell i.
template <typename CellAt>
int deriveLine(int line, int count, CellAt cellAt, std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& lengths,
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
    c.rowClueLength.fill(0);
    c.columnClueLength.fill(0);
    c.rowClueColor.fill(White);
    c.columnClueColor.fill(White);
    c.rowClueCount.fill(0);
    c.columnClueCount.fill(0);
    c.rowRunSameColor.fill(0);
    c.columnRunSameColor.fill(0);
    int maxRow = 0;
    int maxColumn = 0;
    for (int x = 0; x < p.width; ++x) {
        const int k = deriveLine(
            x, p.height, [&](int y) { return p.cell(x, y); }, c.columnClueLength, c.columnClueColor);
        maxColumn = std::max(maxColumn, k);
        c.columnClueCount[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(k);
    }
    for (int y = 0; y < p.height; ++y) {
        const int k = deriveLine(
            y, p.width, [&](int x) { return p.cell(x, y); }, c.rowClueLength, c.rowClueColor);
        maxRow = std::max(maxRow, k);
        c.rowClueCount[static_cast<std::size_t>(y)] = static_cast<std::uint8_t>(k);
    }
    c.maxRowClues = static_cast<std::int16_t>(std::max(maxRow, 1));
    c.maxColumnClues = static_cast<std::int16_t>(std::max(maxColumn, 1));
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

void deriveClues(const Puzzle& puzzle, ClueTables& clues) { derive(puzzle, clues); }

void derivePlayerClues(const Puzzle& puzzle, ClueTables& clues)
{
    derive(puzzle, clues);
    markSameColor(puzzle.height, clues.rowClueCount, clues.rowClueColor, clues.rowRunSameColor);
    markSameColor(puzzle.width, clues.columnClueCount, clues.columnClueColor, clues.columnRunSameColor);
}

} // namespace gw
