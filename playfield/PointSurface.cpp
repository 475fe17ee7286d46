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

void PointSurface::layOverParent(QPoint offset)
{
    m_overParent = true;
    m_offsetOnParent = offset;
    update();
}

void PointSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.image().hasAlphaChannel())
        painter.fillRect(rect(), Qt::white);
    // Pixel for pixel from the device pixel where the picture starts. With a
    // fractional device pixel ratio a widget's own corner may fall between
    // device pixels, rounded by Qt one way for the parent and another for a
    // child; both surfaces are placed from the parent's corner instead, so
    // the field's lines stay on the clue panel's pixels.
    const QPoint corner = m_overParent ? devicePixelOf(painter, -QPointF(pos())) + m_offsetOnParent
                                       : devicePixelOf(painter, QPointF(0, 0));
    const QImage& image = m_picture.image();
    drawPixelForPixel(painter, image, corner, image.rect());
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
