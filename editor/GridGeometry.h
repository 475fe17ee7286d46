#pragma once
// The maker's operations on the picture as a whole and the arithmetic of its
// grid: fitting the size, the negative, the four shifts, the size fields'
// corrections, the pixel-to-cell mapping and the grid's scale. Plain C++ on
// the puzzle state; the main window only shows the outcome.
#include <string>

#include "core/Puzzle.h"

namespace gw::editor {

// Moves the picture to the top-left corner and makes the puzzle exactly as
// large as it, looking at all 50 x 50 cells. Returns false (and changes
// nothing) when every cell is white.
bool FitSize(Puzzle& puzzle);

// The complement of every cell in use: black<->white, red<->aqua,
// blue<->yellow, green<->magenta.
void MakeNegative(Puzzle& puzzle);
std::uint8_t negativeOf(std::uint8_t index);

enum class Shift { Left = 0, Right = 1, Up = 2, Down = 3 };
// Moves the cells in use one place; what leaves the puzzle is lost and the
// emptied column or row becomes white. Cells outside the puzzle stay as they are.
void ShiftPicture(Puzzle& puzzle, Shift direction);

// The size a size field stands for: empty or not a number gives `current`;
// the whole-number part of the number otherwise, corrected to 1..50.
int correctedSize(const std::string& text, int current);

// The cell under a pointer coordinate: pixel / zoom - 0.5 rounded halves to
// even, then clamped to 0..count-1. zoom must be above 0.
int cellFromPixel(double pixel, double zoom, int count);

// The scale of the drawing grid for the free area beside the side panel.
struct GridScale {
    double zoom = 3;      // pixels per cell, unrounded
    double growWidth = 0; // pixels the window must grow before the grid fits
    double growHeight = 0;
    bool fits() const { return growWidth <= 0 && growHeight <= 0; }
};

// freeWidth: status bar width - 2 x grid margin - side panel width;
// freeHeight: side panel height - grid margin; spanWidth/spanHeight: status
// bar width - 2 x grid margin and side panel height - grid margin, the
// amounts the window grows by in proportion. All in pixels. When fewer than
// three pixels a cell fit across, the window grows in width; else when fewer
// fit down, in height; else the zoom is the smaller of the two.
GridScale gridScale(double freeWidth, double freeHeight, double spanWidth, double spanHeight,
                    int width, int height);

// Pixel edges of cell number `index` at `zoom`: [first, last] inclusive, the
// outline sitting on both edges, so neighbours share one line.
struct CellEdges {
    int first;
    int last;
};
CellEdges cellEdges(int index, double zoom);

// Size in pixels of a grid of `count` cells at `zoom`: one pixel more than the
// cells, for the closing outline.
int gridExtent(int count, double zoom);

} // namespace gw::editor
