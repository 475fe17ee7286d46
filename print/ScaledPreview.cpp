#include "ScaledPreview.h"

#include <QPainter>

#include "core/Rounding.h"

namespace gw {

ScaledPreview::ScaledPreview(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void ScaledPreview::showCanvas(const QImage& canvas)
{
    const double dpr = devicePixelRatioF();
    m_shown = QImage(qRound(width() * dpr), qRound(height() * dpr), QImage::Format_RGB32);
    m_shown.setDevicePixelRatio(dpr);
    m_shown.fill(Qt::white);
    const double canvasDpr = canvas.devicePixelRatio();
    const double cw = canvas.width() / canvasDpr, ch = canvas.height() / canvasDpr;
    if (canvas.isNull() || cw <= 0 || ch <= 0 || width() <= 0 || height() <= 0) {
        m_copyRect = QRect();
        update();
        return;
    }
    const double bw = width(), bh = height();
    if (bw / bh < cw / ch) {
        const int h = roundHalfEven(bw / cw * ch);
        m_copyRect = QRect(0, roundHalfEven((bh - h) / 2), width(), h);
    } else {
        const int w = roundHalfEven(bh / ch * cw);
        m_copyRect = QRect(roundHalfEven((bw - w) / 2), 0, w, height());
    }
    QPainter painter(&m_shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(m_copyRect), canvas);
    painter.end();
    update();
}

void ScaledPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPointF(0, 0), m_shown);
}

} // namespace gw
