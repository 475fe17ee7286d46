#include "CellKnowledge.h"

#include "SolverObserver.h"

namespace gw {

void CellKnowledge::setCanBe(int x, int y, int q, std::uint8_t mark)
{
    m_canBe[index(x, y) * PaletteSize + static_cast<std::size_t>(q)] = mark;
    const std::uint64_t rowBit = std::uint64_t {1} << x;
    const std::uint64_t columnBit = std::uint64_t {1} << y;
    std::uint64_t& row = m_rowPossible[static_cast<std::size_t>(y * PaletteSize + q)];
    std::uint64_t& column = m_columnPossible[static_cast<std::size_t>(x * PaletteSize + q)];
    if (mark != ColorExcluded) {
        row |= rowBit;
        column |= columnBit;
    } else {
        row &= ~rowBit;
        column &= ~columnBit;
    }
}

void CellKnowledge::reset(std::int16_t width, std::int16_t height)
{
    m_width = width;
    m_height = height;
    m_state.fill(StateUnknown);
    m_canBe.fill(ColorExcluded);
    m_rowPossible.fill(0);
    m_columnPossible.fill(0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setCanBe(x, y, White, ColorOpen);
    rowChanged.fill(false);
    columnChanged.fill(false);
    someCellSet = false;
    cellsSet = 0;
}

void resetKnowledge(CellKnowledge& knowledge, const Puzzle& puzzle, const ClueTables& clues)
{
    knowledge.reset(puzzle.width, puzzle.height);
    for (int y = 0; y < puzzle.height; ++y) {
        const LineClue& row = clues.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < puzzle.width; ++x) {
            const LineClue& column = clues.columns[static_cast<std::size_t>(x)];
            if (row.count == 0 || column.count == 0)
                continue;
            const unsigned both = row.colorMask & column.colorMask;
            for (int q = 0; q < PaletteSize; ++q)
                if (both & (1u << q))
                    knowledge.setCanBe(x, y, q, ColorOpen);
        }
    }
}

void setCell(CellKnowledge& knowledge, int x, int y, std::uint8_t value, SolverObserver* observer)
{
    knowledge.m_state[CellKnowledge::index(x, y)] = value;
    for (int q = 0; q < PaletteSize; ++q)
        knowledge.setCanBe(x, y, q, value == StateUnknown ? ColorOpen : ColorExcluded);
    if (value != StateUnknown)
        knowledge.setCanBe(x, y, value - 1, ColorConfirmed);
    knowledge.someCellSet = true;
    knowledge.rowChanged[static_cast<std::size_t>(y)] = true;
    knowledge.columnChanged[static_cast<std::size_t>(x)] = true;
    ++knowledge.cellsSet;
    ++knowledge.rowWrites[static_cast<std::size_t>(y)];
    ++knowledge.columnWrites[static_cast<std::size_t>(x)];
    if (observer)
        observer->cellSet(x, y, value);
}

} // namespace gw
