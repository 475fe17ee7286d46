#include "Cursors.h"

#include <QPainter>
#include <QPixmap>

namespace gw {

namespace {
QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
} // namespace

QCursor fieldCursor()
{
    QPixmap pixmap = blank(21);
    QPainter p(&pixmap);
    // Cross hair with a white halo so that it shows on black cells too.
    for (const auto& [color, width] : {std::pair {QColor(Qt::white), 3}, std::pair {QColor(Qt::black), 1}}) {
        p.setPen(QPen(color, width));
        p.drawLine(10, 1, 10, 7);
        p.drawLine(10, 13, 10, 19);
        p.drawLine(1, 10, 7, 10);
        p.drawLine(13, 10, 19, 10);
    }
    p.fillRect(9, 9, 3, 3, Qt::black);
    p.end();
    return QCursor(pixmap, 10, 10);
}

QCursor clueCursor()
{
    QPixmap pixmap = blank(21);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A pencil striking through, its tip the hot spot at the top left.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 96));
    const QPointF body[] = {{2, 2}, {6, 4}, {19, 17}, {17, 19}, {4, 6}};
    p.drawPolygon(body, 5);
    p.setBrush(Qt::black);
    const QPointF tip[] = {{1, 1}, {4, 2.5}, {2.5, 4}};
    p.drawPolygon(tip, 3);
    p.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace gw
