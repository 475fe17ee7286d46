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
    const int w = gridExtent(m_puzzle.PuzzleWidth, zoom);
    const int h = gridExtent(m_puzzle.PuzzleHeight, zoom);
    resize(w, h);
    const qreal ratio = devicePixelRatioF();
    m_picture = QImage(QSize(qCeil(w * ratio), qCeil(h * ratio)), QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    for (int x = 0; x < m_puzzle.PuzzleWidth; ++x)
        for (int y = 0; y < m_puzzle.PuzzleHeight; ++y)
            drawCell(painter, x, y, m_puzzle.cell(x, y));
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
    update(drawCell(painter, x, y, index));
    emit cellsDrawn();
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
