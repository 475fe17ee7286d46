#include "editor/GridGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/Rounding.h"

namespace gw::editor {

int cellFromPixel(double pixel, double zoom, int count)
{
    const int cell = roundHalfEven(pixel / zoom - 0.5);
    return std::clamp(cell, 0, std::max(0, count - 1));
}

namespace {
constexpr int MinZoom = 3;

// span x (3 / zoom - 1) with zoom = free / count, written as one division of
// whole numbers: span x (3 x count - free) / free. Every product is exact, so a
// growth that is a whole number comes out whole and is not rounded up to one
// pixel more. A free area of no room at all cannot be scaled up: it grows by
// what is missing.
double growth(int free, int span, int count)
{
    const double missing = static_cast<double>(MinZoom) * count - free;
    if (free <= 0)
        return missing;
    return static_cast<double>(span) * missing / free;
}

int gridLine(int index, double zoom) { return roundHalfEven(index * zoom); }
} // namespace

GridScale gridScale(int freeWidth, int freeHeight, int spanWidth, int spanHeight, int width, int height)
{
    GridScale scale;
    const double zoomX = static_cast<double>(freeWidth) / width;
    const double zoomY = static_cast<double>(freeHeight) / height;
    if (zoomX < MinZoom) {
        scale.growWidth = static_cast<int>(std::ceil(growth(freeWidth, spanWidth, width)));
        scale.zoom = MinZoom;
        return scale;
    }
    if (zoomY < MinZoom) {
        scale.growHeight = static_cast<int>(std::ceil(growth(freeHeight, spanHeight, height)));
        scale.zoom = zoomX;
        return scale;
    }
    scale.zoom = std::min(zoomX, zoomY);
    return scale;
}

CellEdges cellEdges(int index, double zoom) { return CellEdges {gridLine(index, zoom), gridLine(index + 1, zoom)}; }

int gridExtent(int count, double zoom) { return gridLine(count, zoom) + 1; }

} // namespace gw::editor
