#pragma once
// The arithmetic of the drawing grid: which cell a pointer is over, how large
// a cell is drawn for the room the window leaves, and where its edges fall.
// All in logical pixels.

namespace gw::editor {

// The cell under a pointer coordinate: pixel / zoom - 0.5 rounded halves to
// even, then clamped to 0..count-1. zoom must be above 0.
int cellFromPixel(double pixel, double zoom, int count);

// The scale of the drawing grid for the free area beside the side panel.
struct GridScale {
    double zoom = 3;    // pixels per cell, unrounded
    int growWidth = 0;  // whole pixels the window must grow before the grid fits
    int growHeight = 0; // (the exact growth, rounded up)
    bool fits() const { return growWidth <= 0 && growHeight <= 0; }
};

// freeWidth: status bar width - 2 x grid margin - side panel width;
// freeHeight: side panel height - grid margin; spanWidth/spanHeight: status
// bar width - 2 x grid margin and side panel height - grid margin, the
// amounts the window grows by in proportion. All in pixels. When fewer than
// three pixels a cell fit across, the window grows in width by
// span x (3 / zoom - 1); else when fewer fit down, in height; else the zoom is
// the smaller of the two. A growth that is whole in exact arithmetic is
// exactly that many pixels.
GridScale gridScale(int freeWidth, int freeHeight, int spanWidth, int spanHeight, int width, int height);

// Pixel edges of cell number `index` at `zoom`: [first, last] inclusive, the
// outline sitting on both edges, so neighbours share one line. Line i is at
// i x zoom rounded halves to even; cellFromPixel maps every pixel strictly
// between two lines to the cell they enclose.
struct CellEdges {
    int first;
    int last;
};
CellEdges cellEdges(int index, double zoom);

// Size in pixels of a grid of `count` cells at `zoom`: one pixel more than the
// last line, for the closing outline.
int gridExtent(int count, double zoom);

} // namespace gw::editor
