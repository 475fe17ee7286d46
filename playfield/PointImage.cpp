#include "PointImage.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "platform/Units.h"

namespace gw {

double screenPixelsPerPoint(const QWidget* widget)
{
    return platform::ScreenUnits::fromScreen(widget ? widget->screen() : nullptr).pointsToPixelsX(1.0);
}

void drawPixelForPixel(QPainter& painter, const QImage& image, QPoint at, const QRect& source)
{
    painter.save();
    // World coordinates become device pixels.
    painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
    painter.drawImage(QRectF(at, source.size()), image, QRectF(source));
    painter.restore();
}

QPoint devicePixelOf(const QPainter& painter, QPointF position)
{
    const QPointF device = painter.deviceTransform().map(position);
    return {wholeDevicePixel(device.x()), wholeDevicePixel(device.y())};
}

void PointImage::reset(QSizeF sizePoints, double pixelsPerPoint, double dpr, const QColor& fill)
{
    m_sizePoints = QSizeF(std::max(0.0, sizePoints.width()), std::max(0.0, sizePoints.height()));
    m_pixelsPerPoint = pixelsPerPoint > 0 ? pixelsPerPoint : 4.0 / 3.0;
    m_dpr = dpr > 0 ? dpr : 1.0;
    const double k = devicePixelsPerPoint();
    const double ox = m_origin.x() * m_dpr;
    const double oy = m_origin.y() * m_dpr;
    const int w = std::max(1, static_cast<int>(std::ceil(ox + m_sizePoints.width() * k)));
    const int h = std::max(1, static_cast<int>(std::ceil(oy + m_sizePoints.height() * k)));
    // A picture whose fill is see-through keeps an alpha channel.
    m_image = QImage(w, h, fill.alpha() < 255 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_dpr);
    m_image.fill(fill);
}

void PointImage::beginPoints(QPainter& painter)
{
    painter.begin(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(m_origin);
    // The painter works in logical pixels of the image; one point is
    // pixelsPerPoint of them.
    painter.scale(m_pixelsPerPoint, m_pixelsPerPoint);
}

} // namespace gw
