#pragma once
// The marks of the play field, one a cell: 0 unmarked, k = 1..8 marked
// with palette index k - 1 (1 black, 2 white).
//
// The play field reads marks and writes them only through setCell. In the
// maker the store is the computer test's knowledge (which also keeps its
// colour possibilities in step); in the player it is PlayerCellStates below.
// Whoever implements setCell makes sure the cell is shown: the play field
// connects its painting through setCellPainter / the solver's observer, so
// this library itself draws nothing.
#include <array>
#include <cstdint>
#include <functional>

#include "core/Puzzle.h"

namespace gw {

class CellStates {
public:
    virtual ~CellStates() = default;
    // State of cell (x, y); x, y inside the puzzle.
    virtual std::uint8_t cellState(int x, int y) const = 0;
    // Sets cell (x, y) to `state` (0..8) and has it painted.
    virtual void setCell(int x, int y, std::uint8_t state) = 0;
    // Every cell of the puzzle back to 0 without painting (the field repaints
    // all cells itself afterwards). The maker also initialises the computer
    // test's colour possibilities here.
    virtual void clearStates() = 0;
};

// The player's own marks: a plain 50 x 50 array and a setCell that paints
// through the painter the play field installs.
class PlayerCellStates : public CellStates {
public:
    std::array<std::uint8_t, CellCount> marks {}; // cell (x, y) at x + MaxPuzzleSize * y

    std::uint8_t cellState(int x, int y) const override;
    void setCell(int x, int y, std::uint8_t state) override;
    void clearStates() override;

    // Called by setCell with the cell just set.
    void setCellPainter(std::function<void(int, int)> painter) { m_painter = std::move(painter); }

private:
    std::function<void(int, int)> m_painter;
};

// The completion rule of both programs: every cell of the puzzle carries the
// mark of its colour, white cells marked white; an unmarked cell is never right.
bool allCellsRight(const Puzzle& puzzle, const CellStates& states);

} // namespace gw
