#include "PointSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/MouseButtons.h"

namespace gw {

PointSurface::PointSurface(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PointSurface::fitToPicture()
{
    const QImage& image = m_picture.image();
    const double dpr = m_picture.dpr();
    resize(static_cast<int>(std::ceil(image.width() / dpr)), static_cast<int>(std::ceil(image.height() / dpr)));
    update();
}

void PointSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.image().hasAlphaChannel())
        painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPointF(0, 0), m_picture.image());
}

void PointSurface::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = m_picture.toPoints(event->position());
    emit pressed(platform::mouseButtonValue(event->button()), at.x(), at.y());
}

void PointSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = m_picture.toPoints(event->position());
    emit moved(platform::mouseButtonValue(event->buttons()), at.x(), at.y());
}

void PointSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = m_picture.toPoints(event->position());
    emit released(platform::mouseButtonValue(event->button()), at.x(), at.y());
}

} // namespace gw
