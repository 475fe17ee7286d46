#include "PageSurface.h"

#include <QPagedPaintDevice>

namespace gw {

ImageSurface::ImageSurface(PointImage& picture, double pixelsPerPoint, double dpr, std::function<void(QSizeF)> resized)
    : m_picture(picture), m_pixelsPerPoint(pixelsPerPoint), m_dpr(dpr), m_resized(std::move(resized))
{
    if (m_picture.image().isNull())
        m_picture.reset(QSizeF(1, 1), m_pixelsPerPoint, m_dpr, Qt::white);
}

void ImageSurface::setCanvasSize(QSizeF points)
{
    m_picture.reset(points, m_pixelsPerPoint, m_dpr, Qt::white);
    if (m_resized)
        m_resized(points);
}

bool ImageSurface::begin(QPainter& painter)
{
    m_picture.beginPoints(painter);
    return painter.isActive();
}

QPaintDevice* PagedSurface::metricsDevice() { return &m_device; }

QSizeF PagedSurface::innerSize() const { return m_device.pageLayout().paintRect(QPageLayout::Point).size(); }

bool PagedSurface::begin(QPainter& painter)
{
    if (!painter.begin(&m_device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const double scale = m_device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    // The device paints from its margins rounded to whole points; the
    // printable area starts at the margins themselves.
    const QPageLayout layout = m_device.pageLayout();
    const QMarginsF exact = layout.margins(QPageLayout::Point);
    const QMargins rounded = layout.marginsPoints();
    painter.translate(exact.left() - rounded.left(), exact.top() - rounded.top());
    return true;
}

double PagedSurface::pixelInPoints() const { return 72.0 / std::max(1, m_device.logicalDpiX()); }

} // namespace gw
