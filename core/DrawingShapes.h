#pragma once
// The cells the maker's drawing tools paint: a straight line, a rectangle's
// outline or its whole area, and the connected area of one colour a fill
// covers. Pure cell arithmetic; the window turns pointer positions into cells
// and paints what these return.
#include <vector>

#include "Puzzle.h"

namespace gw {

struct CellPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CellPoint& other) const { return x == other.x && y == other.y; }
};

// The cells of the straight line from `from` to `to`, both included, in order
// from `from`: Bresenham's line, one cell per step along the longer axis, so
// the line is 8-connected and never doubles back. A line between equal ends
// is that one cell.
std::vector<CellPoint> lineCells(CellPoint from, CellPoint to);

// The rectangle with opposite corners `a` and `b` (in any order): its border
// cells, row by row, or with `filled` every cell inside too.
std::vector<CellPoint> rectangleCells(CellPoint a, CellPoint b, bool filled);

// The cells a fill started at `start` paints: `start` and every cell in use
// reached from it through cells of the same colour, stepping left, right, up
// or down (not diagonally). Empty when `start` lies outside the cells in use.
std::vector<CellPoint> floodFillCells(const Puzzle& puzzle, CellPoint start);

} // namespace gw
