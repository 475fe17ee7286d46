#pragma once
#include <array>
#include <cstdint>

#include "core/Clues.h"
#include "core/Palette.h"
#include "core/Puzzle.h"

namespace gw {

class SolverObserver;

// Cell states as the field and the placements store them: palette index + 1.
constexpr std::uint8_t StateUnknown = 0;
constexpr std::uint8_t StateWhite = White + 1;

// The marks of CellKnowledge::canBe.
constexpr std::uint8_t ColorExcluded = 0;  // the cell cannot have the colour
constexpr std::uint8_t ColorConfirmed = 1; // possible, and confirmed (see below)
constexpr std::uint8_t ColorOpen = 2;      // possible, not confirmed

// What is known about every cell: the field's marks (the cell states) and,
// for the computer test, each cell's colour possibilities (CanBe). One
// instance per test window, owned by it (or by whoever runs a test) and
// passed by reference; it lives from one clearing of the field to the next.
//
// canBe(x, y, q), q = palette index: ColorExcluded, ColorOpen, or
// ColorConfirmed when a placement that still fits confirmed colour q in the
// current comparison pass (or the cell is known to have colour q). Both
// ColorOpen and ColorConfirmed mean possible. It is written only through
// setCanBe(), which keeps the per-line masks of possible colours in step.
class CellKnowledge {
public:
    CellKnowledge() = default;

    std::int16_t width() const { return m_width; }
    std::int16_t height() const { return m_height; }

    std::uint8_t state(int x, int y) const { return m_state[index(x, y)]; }
    std::uint8_t canBe(int x, int y, int q) const
    {
        return m_canBe[index(x, y) * PaletteSize + static_cast<std::size_t>(q)];
    }
    void setCanBe(int x, int y, int q, std::uint8_t mark);

    // Bit x set when cell (x, y) can have colour q (canBe not ColorExcluded);
    // likewise for a column, bit y.
    std::uint64_t rowPossible(int y, int q) const
    {
        return m_rowPossible[static_cast<std::size_t>(y * PaletteSize + q)];
    }
    std::uint64_t columnPossible(int x, int q) const
    {
        return m_columnPossible[static_cast<std::size_t>(x * PaletteSize + q)];
    }

    // Everything unknown, only white possible, all flags false, for a field of
    // width x height (1..50 each).
    void reset(std::int16_t width, std::int16_t height);

    // A cell of the row (column) was set since the driver last cleared the
    // flag: the line's next comparison has something new to look at.
    std::array<bool, MaxPuzzleSize> rowChanged {};
    std::array<bool, MaxPuzzleSize> columnChanged {};
    // Some cell was set since the driver last cleared the flag (a completion
    // cycle made progress).
    bool someCellSet = false;
    // Number of setCell calls since the last reset (progress of a sweep).
    std::uint64_t cellsSet = 0;
    // Per row and per column: grows with every setCell on one of its cells.
    std::array<std::uint32_t, MaxPuzzleSize> rowWrites {};
    std::array<std::uint32_t, MaxPuzzleSize> columnWrites {};

private:
    friend void setCell(CellKnowledge&, int, int, std::uint8_t, SolverObserver*);
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }

    std::int16_t m_width = 0;
    std::int16_t m_height = 0;
    std::array<std::uint8_t, CellCount> m_state {};
    std::array<std::uint8_t, CellCount * PaletteSize> m_canBe {};
    std::array<std::uint64_t, MaxPuzzleSize * PaletteSize> m_rowPossible {};
    std::array<std::uint64_t, MaxPuzzleSize * PaletteSize> m_columnPossible {};
};

// The knowledge part of clearing the test window's field: for every cell of
// the puzzle, state unknown, white possible, and every other colour possible
// exactly when it occurs in both the row's and the column's clue. `clues` must
// be derived from `puzzle` (deriveClues). The field's pixels are the window's
// business.
void resetKnowledge(CellKnowledge& knowledge, const Puzzle& puzzle, const ClueTables& clues);

// The one way to write a cell's state (0..8): keeps canBe and the changed
// flags in step and reports the cell to `observer` (may be null) so that it
// is painted. (x, y) must lie inside the knowledge's width x height.
void setCell(CellKnowledge& knowledge, int x, int y, std::uint8_t value, SolverObserver* observer);

} // namespace gw
