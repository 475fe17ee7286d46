#include "ClueDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "PointImage.h"
#include "core/Palette.h"
#include "core/Rounding.h"

namespace gw {

namespace {
// Writes `text` with its baseline starting at `at`. A font that asks for no
// antialiasing gets none at any size: Qt draws glyphs beyond its glyph
// cache's size (64 device pixels) as outlines, antialiased whatever the
// hints say, so from 32 device pixels up, where a filled outline keeps its
// thin strokes, the outline is filled here without antialiasing.
void writeOnBaseline(QPainter& painter, QPointF at, const QString& text)
{
    const QFont& font = painter.font();
    const double devicePixels = font.pixelSize() * std::sqrt(std::abs(painter.deviceTransform().determinant()));
    if (!(font.styleStrategy() & QFont::NoAntialias) || devicePixels < 32) {
        painter.drawText(at, text);
        return;
    }
    QPainterPath outline;
    outline.addText(at, font, text);
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(outline, painter.pen().color());
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}
} // namespace

QFont pointFont(int points, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    // On a surface whose unit is the point, a pixel size of n units is n points.
    font.setPixelSize(points > 0 ? points : 1);
    font.setItalic(italic);
    return font;
}

double textWidth(const QFont& font, QPaintDevice* device, const QString& text)
{
    return device ? QFontMetricsF(font, device).horizontalAdvance(text) : QFontMetricsF(font).horizontalAdvance(text);
}

double textHeight(const QFont& font, QPaintDevice* device)
{
    return device ? QFontMetricsF(font, device).height() : QFontMetricsF(font).height();
}

double tenWidth(int points, QPaintDevice* device)
{
    return textWidth(pointFont(points), device, QStringLiteral("10 "));
}

int largestFittingFontSize(QPaintDevice* device, int across, int down, double width, double height)
{
    int best = 5;
    for (int f = 6; f <= 72; ++f) {
        const double t = tenWidth(f, device);
        if (!(t * across < width && t * down + 3 < height))
            break;
        best = f;
    }
    return best;
}

int fittingCellSize(QPaintDevice* device, int fontSize, int across, int down, double width, double height)
{
    int cell = roundHalfEven(tenWidth(fontSize, device));
    while (cell > 3 && (across * cell > width || down * cell > height))
        --cell;
    return std::max(cell, 3);
}

QColor paletteColor(int index)
{
    if (index < 0 || index >= PaletteSize)
        return Qt::white;
    return QColor(Palette[index].r, Palette[index].g, Palette[index].b);
}

void drawTextAt(QPainter& painter, QPaintDevice* device, double x, double y, const QString& text)
{
    const QFontMetricsF metrics(painter.font(), device);
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void useSolidDigits(QPainter& painter)
{
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

QColor readableClueColor(const QColor& color)
{
    if (color.red() == 255 && color.green() == 255 && color.blue() == 0)
        return QColor(192, 192, 0);
    if (color.red() == 0 && color.green() == 255 && color.blue() == 255)
        return QColor(0, 192, 192);
    return color;
}

void fillBox(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& color, double pixel)
{
    // The box's edges are put on whole device pixels here, halves rounded
    // up, so that the same edge lands on the same pixel on every surface
    // (the clue panel and the field laid over it compute it each their own
    // way) whatever the device pixels per point; one pixel is a whole number
    // of device pixels, at least one.
    const QTransform toDevice = painter.deviceTransform();
    if (!toDevice.isInvertible() || toDevice.type() > QTransform::TxScale) {
        painter.fillRect(
            QRectF(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + pixel, std::abs(y2 - y1) + pixel), color);
        return;
    }
    const QPointF from = toDevice.map(QPointF(std::min(x1, x2), std::min(y1, y2)));
    const QPointF to = toDevice.map(QPointF(std::max(x1, x2), std::max(y1, y2)));
    const int pixelsX = std::max(1, wholeDevicePixel(pixel * std::abs(toDevice.m11())));
    const int pixelsY = std::max(1, wholeDevicePixel(pixel * std::abs(toDevice.m22())));
    const QRectF device(QPointF(wholeDevicePixel(from.x()), wholeDevicePixel(from.y())),
                        QPointF(wholeDevicePixel(to.x()) + pixelsX, wholeDevicePixel(to.y()) + pixelsY));
    painter.fillRect(toDevice.inverted().mapRect(device), color);
}

void drawThinLine(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& color, double pixel)
{
    // A one-pixel line covers the pixels from its start up to its end, like a
    // box one pixel across.
    if (y1 == y2)
        fillBox(painter, x1, y1, x2, y2, color, pixel);
    else if (x1 == x2)
        fillBox(painter, x1, y1, x2, y2, color, pixel);
    else {
        QPen pen(color);
        pen.setWidthF(pixel);
        painter.setPen(pen);
        painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void outlineCell(QPainter& painter, int x, int y, int cellSize, const QColor& color, double pixel)
{
    const double s = cellSize;
    const double x1 = x * s;
    const double y1 = y * s;
    drawThinLine(painter, x1, y1, x1 + s, y1, color, pixel);
    drawThinLine(painter, x1, y1 + s, x1 + s, y1 + s, color, pixel);
    drawThinLine(painter, x1, y1, x1, y1 + s, color, pixel);
    drawThinLine(painter, x1 + s, y1, x1 + s, y1 + s, color, pixel);
    if (x % 5 == 0)
        fillBox(painter, x1, y1, x1 + 1, y1 + s, color, pixel);
    if (y % 5 == 0)
        fillBox(painter, x1, y1, x1 + s, y1 + 1, color, pixel);
}

void drawClueNumbers(QPainter& painter, QPaintDevice* device, const Puzzle& puzzle, const ClueTables& clues,
                     const GridPlacement& grid, const std::function<QColor(int)>& colorOf)
{
    const QFontMetricsF metrics(painter.font(), device);
    const double ascent = metrics.ascent();
    const double s = grid.cellSize;
    auto write = [&](double right, double top, int length, int paletteIndex) {
        const QString t = QString::number(length);
        painter.setPen(readableClueColor(colorOf(paletteIndex)));
        writeOnBaseline(painter, QPointF(right - metrics.horizontalAdvance(t), top + ascent), t);
    };
    for (int y = 0; y < puzzle.height; ++y) {
        const LineClue& row = clues.rows[static_cast<std::size_t>(y)];
        const int n = shownClueCount(row.count);
        for (int k = n - 1; k >= 0; --k)
            write(grid.gridLeft - (n - 1 - k) * s - 1, grid.gridTop + y * s + 1, row.length(k), row.color(k));
    }
    for (int x = 0; x < puzzle.width; ++x) {
        const LineClue& column = clues.columns[static_cast<std::size_t>(x)];
        const int n = shownClueCount(column.count);
        for (int k = n - 1; k >= 0; --k)
            write(grid.gridLeft + (x + 1) * s - 1, grid.gridTop - (n - k) * s, column.length(k), column.color(k));
    }
}

void drawGridRules(QPainter& painter, double left, const Puzzle& puzzle, int columnClueCells, const GridPlacement& grid,
                   const QColor& color, double pixel)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    const double s = grid.cellSize;
    const double right = grid.gridLeft + w * s + 1;
    for (int i = 0; i <= h; ++i) {
        const double y = grid.gridTop + i * s;
        if (i % 5 == 0 || i == h)
            fillBox(painter, left, y, right, y + 1, color, pixel);
        else
            drawThinLine(painter, left, y, right, y, color, pixel);
    }
    const double top = grid.gridTop - columnClueCells * s;
    const double bottom = grid.gridTop + h * s + 1;
    for (int j = 0; j <= w; ++j) {
        const double x = grid.gridLeft + j * s;
        if (j % 5 == 0 || j == w)
            fillBox(painter, x, top, x + 1, bottom, color, pixel);
        else
            drawThinLine(painter, x, top, x, bottom, color, pixel);
    }
}

} // namespace gw
