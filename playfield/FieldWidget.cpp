#include "FieldWidget.h"

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

} // namespace gw
