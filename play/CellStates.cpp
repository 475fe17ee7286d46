#include "CellStates.h"

namespace gw {

namespace {
std::size_t at(int x, int y) { return static_cast<std::size_t>(x + MaxPuzzleSize * y); }
} // namespace

std::uint8_t PlayerCellStates::cellState(int x, int y) const { return marks[at(x, y)]; }

void PlayerCellStates::setCell(int x, int y, std::uint8_t state)
{
    marks[at(x, y)] = state;
    if (m_painter)
        m_painter(x, y);
}

void PlayerCellStates::clearStates() { marks.fill(0); }

bool allCellsRight(const Puzzle& puzzle, const CellStates& states)
{
    for (int x = 0; x < puzzle.width; ++x)
        for (int y = 0; y < puzzle.height; ++y)
            if (states.cellState(x, y) != puzzle.cell(x, y) + 1)
                return false;
    return true;
}

} // namespace gw
