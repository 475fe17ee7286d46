#include "editor/GridView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "editor/GridGeometry.h"
#include "platform/MouseButtons.h"
#include "playfield/ClueDrawing.h"

namespace gw::editor {

GridView::GridView(const Puzzle& puzzle, QWidget* parent) : QWidget(parent), m_puzzle(puzzle)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void GridView::redraw(double zoom)
{
    m_zoom = zoom;
    const int w = gridExtent(m_puzzle.width, zoom);
    const int h = gridExtent(m_puzzle.height, zoom);
    resize(w, h);
    const qreal ratio = devicePixelRatioF();
    m_picture = QImage(QSize(qCeil(w * ratio), qCeil(h * ratio)), QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    for (int x = 0; x < m_puzzle.width; ++x)
        for (int y = 0; y < m_puzzle.height; ++y)
            drawCell(painter, x, y, m_puzzle.cell(x, y));
    drawGuides(painter, QRect(0, 0, w, h));
    update();
    emit cellsDrawn();
}

QRect GridView::drawCell(QPainter& painter, int x, int y, std::uint8_t index) const
{
    const CellEdges cx = cellEdges(x, m_zoom);
    const CellEdges cy = cellEdges(y, m_zoom);
    const QRect outline(QPoint(cx.first, cy.first), QPoint(cx.last, cy.last));
    painter.fillRect(outline, Qt::black);
    if (cx.last - cx.first > 1 && cy.last - cy.first > 1)
        painter.fillRect(outline.adjusted(1, 1, -1, -1), paletteColor(index));
    return outline;
}

void GridView::paintCell(int x, int y, std::uint8_t index)
{
    if (m_picture.isNull())
        return;
    QPainter painter(&m_picture);
    const QRect outline = drawCell(painter, x, y, index);
    drawGuides(painter, outline);
    update(outline.adjusted(-1, -1, 1, 1));
    emit cellsDrawn();
}

void GridView::setGuideLines(bool on)
{
    if (m_guideLines == on)
        return;
    m_guideLines = on;
    if (!m_picture.isNull())
        redraw(m_zoom);
}

void GridView::drawGuides(QPainter& painter, const QRect& area) const
{
    constexpr int Every = 5;
    constexpr double MinZoom = 6; // below it a wide line would hide the cells
    if (!m_guideLines || m_zoom < MinZoom)
        return;
    painter.save();
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    const int right = cellEdges(m_puzzle.width - 1, m_zoom).last;
    const int bottom = cellEdges(m_puzzle.height - 1, m_zoom).last;
    for (int x = Every; x < m_puzzle.width; x += Every) {
        const int line = cellEdges(x, m_zoom).first;
        painter.fillRect(QRect(QPoint(line - 1, 0), QPoint(line + 1, bottom)), Qt::black);
    }
    for (int y = Every; y < m_puzzle.height; y += Every) {
        const int line = cellEdges(y, m_zoom).first;
        painter.fillRect(QRect(QPoint(0, line - 1), QPoint(right, line + 1)), Qt::black);
    }
    painter.restore();
}

QColor GridView::colorAt(QPoint logical) const
{
    const qreal ratio = m_picture.devicePixelRatio();
    const QPoint device(qFloor(logical.x() * ratio), qFloor(logical.y() * ratio));
    if (!m_picture.rect().contains(device))
        return {};
    return m_picture.pixelColor(device);
}

void GridView::ensurePictureResolution()
{
    if (!m_picture.isNull() && !qFuzzyCompare(m_picture.devicePixelRatio(), devicePixelRatioF()))
        redraw(m_zoom); // moved to a screen of another resolution
}

void GridView::paintEvent(QPaintEvent* event)
{
    ensurePictureResolution();
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(QPoint(0, 0), m_picture);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    emit pointer(platform::mouseButtonValue(event->button()), event->position());
}

void GridView::mouseMoveEvent(QMouseEvent* event)
{
    emit pointer(platform::mouseButtonValue(event->buttons()), event->position());
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        emit released();
}

} // namespace gw::editor
