#include "PointSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace gw {

int buttonNumber(Qt::MouseButtons buttons)
{
    int number = 0;
    if (buttons & Qt::LeftButton)
        number += 1;
    if (buttons & Qt::RightButton)
        number += 2;
    if (buttons & Qt::MiddleButton)
        number += 4;
    return number;
}

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
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPointF(0, 0), m_picture.image());
}

void PointSurface::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = m_picture.toPoints(event->position());
    emit pressed(buttonNumber(event->button()), at.x(), at.y());
}

void PointSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = m_picture.toPoints(event->position());
    emit moved(buttonNumber(event->buttons()), at.x(), at.y());
}

} // namespace gw
