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
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> rowClueLength {};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> rowClueColor {};
    std::array<std::uint8_t, MaxPuzzleSize> rowClueCount {};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> columnClueLength {};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> columnClueColor {};
    std::array<std::uint8_t, MaxPuzzleSize> columnClueCount {};
    std::int16_t maxRowClues = 1;    // largest row count, at least 1
    std::int16_t maxColumnClues = 1; // largest column count, at least 1
    // Player only: 1 when run k >= 1 has the colour of run k - 1.
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> rowRunSameColor {};
    std::array<std::uint8_t, MaxPuzzleSize * RunSlots> columnRunSameColor {};

    static constexpr std::size_t at(int line, int k) { return static_cast<std::size_t>(line + MaxPuzzleSize * k); }
    int rowLength(int y, int k) const { return rowClueLength[at(y, k)]; }
    int rowColor(int y, int k) const { return rowClueColor[at(y, k)]; }
    int columnLength(int x, int k) const { return columnClueLength[at(x, k)]; }
    int columnColor(int x, int k) const { return columnClueColor[at(x, k)]; }
};

// Derives every line's runs from the puzzle's Cells (maker): columns first,
// then rows. Only the width x height cells count.
void deriveClues(const Puzzle& puzzle, ClueTables& clues);

// The player's derivation: the same tables plus rowRunSameColor and
// columnRunSameColor.
void derivePlayerClues(const Puzzle& puzzle, ClueTables& clues);

} // namespace gw
