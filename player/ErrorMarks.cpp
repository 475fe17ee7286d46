#include "ErrorMarks.h"

#include <algorithm>
#include <cmath>

#include "core/Palette.h"
#include "core/Rounding.h"
#include "playfield/ClueDrawing.h"

namespace gw::player {

int errorDotSize(int cellSize) { return std::max(5, roundHalfEven(cellSize / 2.0)); }

namespace {

// A disc of `diameter` screen pixels, filled span by span so that
// its size is exact: an odd disc is centred on a pixel, an even one on a
// pixel corner, each the one nearest to `centre`.
void fillDisc(QPainter& painter, QPointF centre, int diameter, const QColor& color)
{
    if (diameter <= 0)
        return;
    const double r = diameter / 2.0;
    const double cx = diameter % 2 ? std::floor(centre.x()) + 0.5 : std::round(centre.x());
    const double cy = diameter % 2 ? std::floor(centre.y()) + 0.5 : std::round(centre.y());
    const int top = static_cast<int>(std::ceil(cy - r - 0.5));
    const int bottom = static_cast<int>(std::floor(cy + r - 0.5));
    for (int j = top; j <= bottom; ++j) {
        const double dy = j + 0.5 - cy;
        if (dy * dy > r * r)
            continue;
        const double half = std::sqrt(r * r - dy * dy);
        const int left = static_cast<int>(std::ceil(cx - half - 0.5));
        const int right = static_cast<int>(std::floor(cx + half - 0.5));
        if (right >= left)
            painter.fillRect(QRect(left, j, right - left + 1, 1), color);
    }
}

} // namespace

void drawDot(QPainter& painter, QPointF centre, int diameter, const QColor& inner)
{
    const QPointF c = painter.transform().map(centre);
    painter.save();
    painter.resetTransform();
    fillDisc(painter, c, diameter, DotRimColor);
    fillDisc(painter, c, diameter - 2, inner);
    painter.restore();
}

namespace {

QPointF cellCentre(int x, int y, int s) { return {(x + 0.5) * s, (y + 0.5) * s}; }

} // namespace

int paintErrorMarks(QPainter& painter, const Puzzle& puzzle, const CellStateArray& states, int cellSize)
{
    const int dotSize = errorDotSize(cellSize);
    int errors = 0;
    for (int x = 0; x < puzzle.width; ++x) {
        for (int y = 0; y < puzzle.height; ++y) {
            if (isWrongMark(puzzle, states, x, y)) {
                ++errors;
                drawDot(painter, cellCentre(x, y, cellSize), dotSize, WrongDotColor);
            }
            outlineCell(painter, x, y, cellSize, DarkGridColor, 1.0 / painter.transform().m11());
        }
    }
    return errors;
}

void paintSolution(QPainter& painter, const Puzzle& puzzle, const CellStateArray& states, int cellSize, bool showErrors,
                   bool showMissing)
{
    const int s = cellSize;
    const int dotSize = errorDotSize(s);
    for (int x = 0; x < puzzle.width; ++x) {
        for (int y = 0; y < puzzle.height; ++y) {
            const PaletteColor& c = Palette[puzzle.cell(x, y)];
            painter.fillRect(QRectF(x * s, y * s, s, s), QColor(c.r, c.g, c.b));
            const std::uint8_t state = states[static_cast<std::size_t>(x + MaxPuzzleSize * y)];
            if (state == puzzle.cell(x, y) + 1) {
                // correctly marked: no dot
            } else if (state != 0) {
                if (showErrors)
                    drawDot(painter, cellCentre(x, y, s), dotSize, WrongDotColor);
            } else if (showMissing) {
                drawDot(painter, cellCentre(x, y, s), dotSize, UnfilledDotColor);
            }
            outlineCell(painter, x, y, s, DarkGridColor, 1.0 / painter.transform().m11());
        }
    }
}

} // namespace gw::player
