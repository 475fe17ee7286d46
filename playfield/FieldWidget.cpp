#include "FieldWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "ClueDrawing.h"
#include "Cursors.h"

namespace gw {

namespace {
const QColor GridGrey(64, 64, 64);
}

FieldWidget::FieldWidget(QWidget* parent) : PointSurface(parent)
{
    setCursor(fieldCursor());
    // The field is one point wider and higher than its cells, and that
    // last point lies over the panel's thick rules at the right and bottom
    // edges. The field leaves it see-through, so that those edges show as
    // thick as the left and top ones.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void FieldWidget::place(double left, double top, double width, double height, double pixelsPerPoint, double dpr)
{
    m_rect = QRectF(left, top, width, height);
    // The widget sits on whole logical pixels, its picture on whole device
    // pixels of the panel's picture (where the widget's corner falls); the
    // remainder becomes the picture's origin so that point (0, 0) of the
    // field falls exactly on point (left, top) of the panel beneath.
    const int wx = static_cast<int>(std::floor(left * pixelsPerPoint));
    const int wy = static_cast<int>(std::floor(top * pixelsPerPoint));
    const QPoint onPanel(wholeDevicePixel(wx * dpr), wholeDevicePixel(wy * dpr));
    picture().setOrigin(QPointF(left * pixelsPerPoint * dpr - onPanel.x(), top * pixelsPerPoint * dpr - onPanel.y())
                        / dpr);
    picture().reset(QSizeF(width, height), pixelsPerPoint, dpr, Qt::transparent);
    move(wx, wy);
    fitToPicture();
    layOverParent(onPanel);
}

void FieldWidget::clear()
{
    picture().image().fill(Qt::transparent);
    update();
}

void FieldWidget::paintCell(int x, int y, int cellSize, const QColor& fill)
{
    const double s = cellSize;
    const double pixel = picture().pixelInPoints();
    const double x1 = x * s;
    const double y1 = y * s;
    QPainter painter;
    picture().beginPoints(painter);
    fillBox(painter, x1, y1, x1 + s, y1 + s, fill, pixel);
    outlineCell(painter, x, y, cellSize, GridGrey, pixel);
    painter.end();
    const double k = picture().pixelsPerPoint();
    update(QRectF(picture().origin() + QPointF(x1, y1) * k, QSizeF(s + 2, s + 2) * k).toAlignedRect());
}

QRectF FieldWidget::cellsRect(const QRect& cells, int cellSize) const
{
    const double k = picture().pixelsPerPoint();
    const double s = cellSize;
    return QRectF(picture().origin() + QPointF(cells.x() * s, cells.y() * s) * k,
                  QSizeF(cells.width() * s, cells.height() * s) * k);
}

QRectF FieldWidget::frameRect() const
{
    if (!m_frameCell)
        return {};
    return cellsRect(QRect(*m_frameCell, QSize(1, 1)), m_frameCellSize);
}

void FieldWidget::showHint(const QRect& line, const std::vector<QPoint>& shaded, int cellSize)
{
    m_hintLine = line;
    m_hintCells = shaded;
    m_hintCellSize = cellSize;
    update();
}

void FieldWidget::clearHint()
{
    if (m_hintLine.isNull())
        return;
    m_hintLine = QRect();
    m_hintCells.clear();
    update();
}

void FieldWidget::showCellFrame(std::optional<QPoint> cell, int cellSize)
{
    update(frameRect().adjusted(-3, -3, 3, 3).toAlignedRect());
    m_frameCell = cell;
    m_frameCellSize = cellSize;
    update(frameRect().adjusted(-3, -3, 3, 3).toAlignedRect());
}

void FieldWidget::paintEvent(QPaintEvent* event)
{
    PointSurface::paintEvent(event);
    if (!m_hintLine.isNull()) {
        // The line tinted and framed in blue; its decided cells hatched.
        QPainter painter(this);
        const QColor blue(0, 90, 255);
        painter.fillRect(cellsRect(m_hintLine, m_hintCellSize), QColor(0, 90, 255, 40));
        for (const QPoint& cell : m_hintCells)
            painter.fillRect(cellsRect(QRect(cell, QSize(1, 1)), m_hintCellSize), QBrush(blue, Qt::BDiagPattern));
        painter.setPen(QPen(blue, 2));
        painter.drawRect(cellsRect(m_hintLine, m_hintCellSize).adjusted(1, 1, -1, -1));
    }
    if (!m_frameCell)
        return;
    // A white band with a black line on each side shows on every mark, and
    // it covers only the cell's edge.
    QPainter painter(this);
    const QRectF r = frameRect().adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(r);
}

void FieldWidget::keyPressEvent(QKeyEvent* event)
{
    if (m_keyHandler && m_keyHandler(event->key(), event->modifiers()))
        event->accept();
    else
        PointSurface::keyPressEvent(event);
}

} // namespace gw
