#pragma once
// The rules of solving a puzzle by hand, shared by the maker's test window and
// the player, without any drawing: which mark a mouse button sets, the cells a
// drag passes between two pointer positions, the crossed-off clue numbers, and
// when the marks satisfy the clues.
//
// Marks are cell states as in CellStates.h: 0 unmarked, k = 1..8 palette
// index k - 1 (so 2 is a cell marked white).
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "CellStates.h"
#include "core/Clues.h"
#include "core/Puzzle.h"

namespace gw {

// A mouse button as the play field's handlers receive it. A move reports
// the held buttons added up, so a value may also be a sum (Left + Right = 3)
// or None; only Left and Right mark.
enum class MouseButton : int { None = 0, Left = 1, Right = 2, Middle = 4 };

// The button value of the windows' mouse handlers (1 left, 2 right, 4 middle,
// sums for several) as a MouseButton.
inline MouseButton mouseButtonFromValue(int value) { return static_cast<MouseButton>(value); }

// The mark a press or drag with `button` sets: the swatch chosen for it
// (buttonMarks[0] for Left, [1] for Right); nothing for any other value.
std::optional<std::uint8_t> buttonMark(MouseButton button, const std::array<std::uint8_t, 2>& buttonMarks);

struct CellPos {
    int x = 0;
    int y = 0;
    bool operator==(const CellPos& other) const { return x == other.x && y == other.y; }
};

// The cells a straight line from cell `from` to cell `to` passes, in order,
// both ends included, each step to one of the eight neighbours (Bresenham).
// A drag marks these so that a fast pointer skips no cell.
std::vector<CellPos> cellsAlongLine(CellPos from, CellPos to);

// One clue number: run k (from 0, the first run) of a row or a column.
struct ClueRef {
    bool isRow = true;
    int line = 0; // row y or column x, 0..49
    int k = 0;    // 0..49
    bool operator==(const ClueRef& other) const { return isRow == other.isRow && line == other.line && k == other.k; }
};

// Which clue numbers the user has crossed off. The clue panel shows exactly
// these greyed; everything that redraws, saves or undoes crossing off works
// on this set.
class CrossedClues {
public:
    bool isCrossed(const ClueRef& clue) const { return bits(clue.isRow)[index(clue)]; }
    // Crosses `clue` off, or restores it when it is crossed off.
    void toggle(const ClueRef& clue) { bits(clue.isRow).flip(index(clue)); }
    void set(const ClueRef& clue, bool crossed) { bits(clue.isRow).set(index(clue), crossed); }
    void clear()
    {
        m_rows.reset();
        m_columns.reset();
    }
    bool empty() const { return m_rows.none() && m_columns.none(); }
    // Every crossed-off clue, rows first, each line's runs in order.
    std::vector<ClueRef> all() const;
    bool operator==(const CrossedClues& other) const { return m_rows == other.m_rows && m_columns == other.m_columns; }
    bool operator!=(const CrossedClues& other) const { return !(*this == other); }

private:
    using Bits = std::bitset<static_cast<std::size_t>(MaxPuzzleSize* MaxPuzzleSize)>;
    static std::size_t index(const ClueRef& clue)
    {
        return static_cast<std::size_t>(clue.line * MaxPuzzleSize + clue.k);
    }
    Bits& bits(bool isRow) { return isRow ? m_rows : m_columns; }
    const Bits& bits(bool isRow) const { return isRow ? m_rows : m_columns; }
    Bits m_rows;
    Bits m_columns;
};

// True when the marks of row y (isRow) or column x fit its clue: every cell
// of the line is marked (an unmarked cell never fits) and the runs of cells
// marked in a colour other than white are the clue's runs, in order, with
// their lengths and colours.
bool lineSatisfied(const Puzzle& puzzle, const ClueTables& clues, const CellStates& states, bool isRow, int line);

// True when every row and every column satisfies its clue: the puzzle is
// solved, also where the marks differ from the maker's picture (a puzzle with
// several solutions).
bool cluesSatisfied(const Puzzle& puzzle, const ClueTables& clues, const CellStates& states);

} // namespace gw
