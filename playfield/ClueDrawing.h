#pragma once
// Drawing pieces shared by the play field's clue panel and the page painter:
// fonts measured on the surface they draw on, the clue numbers beside and
// above the grid, and the grid rules running through the clue areas.
//
// All coordinates are in points. A painter handed to these functions must be
// set up so that one unit is one point (PointImage::beginPoints, or the page
// painter's own transform); `pixel` is one device-independent pixel of that
// surface expressed in points and gives lines their one-pixel width.
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

#include "core/Clues.h"
#include "core/Puzzle.h"

class QPainter;
class QPaintDevice;

namespace gw {

// "Arial" (or a font with its metrics) at `points` points on a surface whose
// unit is the point. Hinting is off so that widths scale with the size.
QFont pointFont(int points, bool italic = false);

// Width and height of `text` in `font`, measured on `device` (in points).
double textWidth(const QFont& font, QPaintDevice* device, const QString& text);
double textHeight(const QFont& font, QPaintDevice* device);

// Width of "10 " at `points` points: the yardstick of both compositions.
double tenWidth(int points, QPaintDevice* device);

// The sizes of both compositions for a block of `across` x `down` cells (clue
// cells and grid) in an area of `width` x `height` points, text measured on
// `device`:
// - the largest clue font f in 6..72 whose "10 " width t keeps t * across
//   below `width` and t * down + 3 below `height`, counting up and stopping at
//   the first size that does not fit; 5 when none does;
// - the cell side for clue font `fontSize`: its "10 " width rounded half to
//   even, then one point less at a time until across * s <= `width` and
//   down * s <= `height`, never below 3.
int largestFittingFontSize(QPaintDevice* device, int across, int down, double width, double height);
int fittingCellSize(QPaintDevice* device, int fontSize, int across, int down, double width, double height);

// The screen colour of palette index 0..7, as the grid, the preview, the
// choosers and the clue numbers show it; white (the empty cell) for any other
// value.
QColor paletteColor(int index);

// Writes `text` with its top-left corner at (x, y).
void drawTextAt(QPainter& painter, QPaintDevice* device, double x, double y, const QString& text);

// Number colour for a run drawn in `color`: pure yellow becomes (192, 192, 0)
// and pure aqua (0, 192, 192) so that both stay readable on white.
QColor readableClueColor(const QColor& color);

// A filled box from (x1, y1) to (x2, y2) with both corners included, as a
// one-pixel pen would fill it. Its edges lie on whole device pixels (halves
// rounded up, wholeDevicePixel), a pixel is a whole number of them: every
// surface puts the same box on the same device pixels.
void fillBox(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& color, double pixel);
// A line one pixel wide from (x1, y1) to (x2, y2).
void drawThinLine(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& color, double pixel);

// Outline of cell (x, y) of a grid of `cellSize`-point cells in `color`, with
// a second unit of line at the left when x is a multiple of 5 and at the top
// when y is.
void outlineCell(QPainter& painter, int x, int y, int cellSize, const QColor& color, double pixel);

// Where the grid proper lies on a composed surface.
struct GridPlacement {
    double gridLeft = 0; // points
    double gridTop = 0;  // points
    int cellSize = 3;    // points
};

// The clue numbers: row clues right-aligned in the cells left of the grid,
// one point inside their cell's right edge and one below its top; column clues
// right-aligned in the cells above the grid. An empty line shows its single
// black "0". `colorOf(paletteIndex)` gives the screen colour of a run; the
// readable variant is applied here. The painter's font must be set already.
void drawClueNumbers(QPainter& painter, QPaintDevice* device, const Puzzle& puzzle, const ClueTables& clues,
                     const GridPlacement& grid, const std::function<QColor(int)>& colorOf);

// The grid rules for i = 0..H and j = 0..W: horizontal ones from `left` to the
// grid's right edge + 1, vertical ones from the top of the column clue area
// (C cells above the grid) to the grid's bottom + 1. Rules at multiples of 5
// and at the outer edges W and H are two units thick.
void drawGridRules(QPainter& painter, double left, const Puzzle& puzzle, int columnClueCells, const GridPlacement& grid,
                   const QColor& color, double pixel);

// The play field's clue panel is this many points wider and higher than its
// block of clue cells and grid: room for the thick rules at the right and
// bottom edges (W and H), which start on the block's edge.
constexpr double PanelEdge = 2;

// The clue panel's numbers are drawn without antialiasing, every pixel of a
// digit in its run's own colour. Crossing a number off turns only near-white
// pixels grey and restoring turns only near-grey ones white, so on solid
// digits both give back exactly the pixels drawn. Call after setting the font.
void useSolidDigits(QPainter& painter);

// The clue count a line shows: its run count, or 1 for the "0" of an empty line.
inline int shownClueCount(int runCount) { return runCount > 0 ? runCount : 1; }

} // namespace gw
