#include "DrawingShapes.h"

#include <algorithm>
#include <cstdlib>

namespace gw {

std::vector<CellPoint> lineCells(CellPoint from, CellPoint to)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    std::vector<CellPoint> cells;
    cells.reserve(static_cast<std::size_t>(std::max(dx, -dy) + 1));
    int error = dx + dy;
    CellPoint at = from;
    for (;;) {
        cells.push_back(at);
        if (at == to)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
    return cells;
}

std::vector<CellPoint> rectangleCells(CellPoint a, CellPoint b, bool filled)
{
    const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    std::vector<CellPoint> cells;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (filled || y == top || y == bottom || x == left || x == right)
                cells.push_back({x, y});
    return cells;
}

std::vector<CellPoint> floodFillCells(const Puzzle& puzzle, CellPoint start)
{
    const int width = puzzle.width, height = puzzle.height;
    auto inUse = [&](CellPoint c) { return c.x >= 0 && c.y >= 0 && c.x < width && c.y < height; };
    std::vector<CellPoint> cells;
    if (!inUse(start))
        return cells;
    const std::uint8_t colour = puzzle.cell(start.x, start.y);
    std::vector<bool> seen(CellCount, false);
    auto index = [](CellPoint c) { return static_cast<std::size_t>(c.x + MaxPuzzleSize * c.y); };
    std::vector<CellPoint> pending {start};
    seen[index(start)] = true;
    while (!pending.empty()) {
        const CellPoint c = pending.back();
        pending.pop_back();
        cells.push_back(c);
        for (const CellPoint next :
             {CellPoint {c.x - 1, c.y}, CellPoint {c.x + 1, c.y}, CellPoint {c.x, c.y - 1}, CellPoint {c.x, c.y + 1}}) {
            if (inUse(next) && !seen[index(next)] && puzzle.cell(next.x, next.y) == colour) {
                seen[index(next)] = true;
                pending.push_back(next);
            }
        }
    }
    return cells;
}

} // namespace gw
