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

GridScale gridScale(double freeWidth, double freeHeight, double spanWidth, double spanHeight, int width, int height)
{
    constexpr double MinZoom = 3.0;
    GridScale scale;
    const double zoomX = freeWidth / width;
    const double zoomY = freeHeight / height;
    if (zoomX < MinZoom) {
        // A free area of no width at all cannot be scaled up: grow by what is missing.
        scale.growWidth = zoomX > 0 ? spanWidth * (MinZoom / zoomX - 1) : MinZoom * width - freeWidth;
        scale.zoom = MinZoom;
        return scale;
    }
    if (zoomY < MinZoom) {
        scale.growHeight = zoomY > 0 ? spanHeight * (MinZoom / zoomY - 1) : MinZoom * height - freeHeight;
        scale.zoom = zoomX;
        return scale;
    }
    scale.zoom = std::min(zoomX, zoomY);
    return scale;
}

CellEdges cellEdges(int index, double zoom)
{
    return CellEdges {static_cast<int>(std::floor(index * zoom)), static_cast<int>(std::floor((index + 1) * zoom))};
}

int gridExtent(int count, double zoom) { return static_cast<int>(std::floor(count * zoom)) + 1; }

} // namespace gw::editor
