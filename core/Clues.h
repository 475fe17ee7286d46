#pragma once
#include <array>
#include <cstdint>

#include "Puzzle.h"

namespace gw {

// A line of 50 cells holds at most 50 runs; the derivation also looks at the
// slot after the last run, hence 51 slots.
constexpr int RunSlots = 51;

// The clue tables. 2-D tables are stored line-fastest: element (line, k) at
// line + 50 * k. Slots beyond a line's last run hold length 0 and colour 1,
// except that an empty line holds length 0 and colour 0 (a black 0) in slot 0.
struct ClueTables {
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> RowClueLength{};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> RowClueColor{};
    std::array<std::uint8_t, MaxPuzzleSize> RowClueCount{};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> ColumnClueLength{};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> ColumnClueColor{};
    std::array<std::uint8_t, MaxPuzzleSize> ColumnClueCount{};
    std::int16_t MaxRowClues = 1;    // largest row count, at least 1
    std::int16_t MaxColumnClues = 1; // largest column count, at least 1
    // Player only: 1 when run k >= 1 has the colour of run k - 1.
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> RowRunSameColor{};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> ColumnRunSameColor{};

    static constexpr std::size_t at(int line, int k) { return static_cast<std::size_t>(line + MaxPuzzleSize * k); }
    int rowLength(int y, int k) const { return RowClueLength[at(y, k)]; }
    int rowColor(int y, int k) const { return RowClueColor[at(y, k)]; }
    int columnLength(int x, int k) const { return ColumnClueLength[at(x, k)]; }
    int columnColor(int x, int k) const { return ColumnClueColor[at(x, k)]; }
};

// Derives every line's runs from the puzzle's Cells (maker): columns first,
// then rows. Only the PuzzleWidth x PuzzleHeight cells count.
void deriveClues(const Puzzle& puzzle, ClueTables& clues);

// The player's derivation: the same tables plus RowRunSameColor and
// ColumnRunSameColor.
void derivePlayerClues(const Puzzle& puzzle, ClueTables& clues);

} // namespace gw
