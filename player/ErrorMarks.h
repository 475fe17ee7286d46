#pragma once
// Marks drawn over a play field or a solution picture: the round dots that
// point out wrong and unfilled cells, and the darker grid drawn with them.
//
// Every function here paints through a QPainter whose transform maps points
// (the unit of the field and the solution picture) to device pixels. Dot
// diameters are in device pixels whatever that transform is, as pen widths
// always are on a picture surface.
#include <QColor>
#include <QPainter>
#include <array>
#include <cstdint>

#include "core/Puzzle.h"

namespace gw::player {

// Cell states of the play field, element (x, y) at x + 50 * y: 0 unmarked,
// k = 1..8 marked with palette index k - 1.
using CellStateArray = std::array<std::uint8_t, CellCount>;

inline const QColor DotRimColor {128, 128, 128};
inline const QColor WrongDotColor {255, 128, 64};
inline const QColor UnfilledDotColor {192, 192, 192};
inline const QColor DarkGridColor {32, 32, 32};
inline const QColor SolutionBackgroundColor {64, 64, 64};

// Diameter in pixels of the dot for a cell of `cellSize` points: half the
// cell, halves to even, at least 5.
int errorDotSize(int cellSize);

// A grey dot of `diameter` pixels centred on `centre` (points) with a dot of
// diameter - 2 pixels in `inner` on it.
void drawDot(QPainter& painter, QPointF centre, int diameter, const QColor& inner);

// True when cell (x, y) carries a mark that is not its solution colour.
inline bool isWrongMark(const Puzzle& puzzle, const CellStateArray& states, int x, int y)
{
    const std::uint8_t state = states[static_cast<std::size_t>(x + MaxPuzzleSize * y)];
    return state > 0 && state != puzzle.cell(x, y) + 1;
}

// "Show errors" on the field: a dot on every wrongly marked cell and the
// whole grid redrawn in the darker colour. Returns the number of wrong cells;
// unmarked cells never count.
int paintErrorMarks(QPainter& painter, const Puzzle& puzzle, const CellStateArray& states, int cellSize);

// The solution picture: every cell in its solution colour, dots on wrong
// marks (when showErrors) and on unmarked cells (when showMissing), and the
// darker grid. The caller clears the surface first.
void paintSolution(QPainter& painter, const Puzzle& puzzle, const CellStateArray& states, int cellSize, bool showErrors,
                   bool showMissing);

} // namespace gw::player
