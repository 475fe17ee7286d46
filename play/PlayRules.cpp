#include "PlayRules.h"

#include <cstdlib>

#include "core/Palette.h"

namespace gw {

std::optional<std::uint8_t> buttonMark(MouseButton button, const std::array<std::uint8_t, 2>& buttonMarks)
{
    if (button == MouseButton::Left)
        return buttonMarks[0];
    if (button == MouseButton::Right)
        return buttonMarks[1];
    return std::nullopt;
}

std::vector<CellPos> cellsAlongLine(CellPos from, CellPos to)
{
    std::vector<CellPos> cells;
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    CellPos at = from;
    for (;;) {
        cells.push_back(at);
        if (at == to)
            return cells;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.y += sy;
        }
    }
}

std::vector<ClueRef> CrossedClues::all() const
{
    std::vector<ClueRef> result;
    for (const bool isRow : {true, false})
        for (int line = 0; line < MaxPuzzleSize; ++line)
            for (int k = 0; k < MaxPuzzleSize; ++k)
                if (isCrossed({isRow, line, k}))
                    result.push_back({isRow, line, k});
    return result;
}

bool lineSatisfied(const Puzzle& puzzle, const ClueTables& clues, const CellStates& states, bool isRow, int line)
{
    const int length = isRow ? puzzle.width : puzzle.height;
    const LineClue& clue = clues.line(isRow, line);
    const int count = clue.count;
    int k = 0;
    int i = 0;
    while (i < length) {
        const std::uint8_t mark = isRow ? states.cellState(i, line) : states.cellState(line, i);
        if (mark == 0)
            return false;
        const int color = mark - 1;
        if (color == White) {
            ++i;
            continue;
        }
        int run = 0;
        while (i < length && (isRow ? states.cellState(i, line) : states.cellState(line, i)) == mark) {
            ++run;
            ++i;
        }
        if (k >= count)
            return false;
        if (run != clue.length(k) || color != clue.color(k))
            return false;
        ++k;
    }
    return k == count;
}

bool cluesSatisfied(const Puzzle& puzzle, const ClueTables& clues, const CellStates& states)
{
    for (int y = 0; y < puzzle.height; ++y)
        if (!lineSatisfied(puzzle, clues, states, true, y))
            return false;
    for (int x = 0; x < puzzle.width; ++x)
        if (!lineSatisfied(puzzle, clues, states, false, x))
            return false;
    return true;
}

} // namespace gw
