#include "editor/PreviewView.h"

#include <QPainter>

#include "playfield/ClueDrawing.h"

namespace gw::editor {

PreviewView::PreviewView(const Puzzle& puzzle, QWidget* parent) : QWidget(parent), m_puzzle(puzzle)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewView::redraw()
{
    const int w = m_puzzle.width;
    const int h = m_puzzle.height;
    resize(w, h);
    m_picture = QImage(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            m_picture.setPixelColor(x, y, paletteColor(m_puzzle.cell(x, y)));
    update();
}

void PreviewView::setCell(int x, int y, std::uint8_t index)
{
    if (!m_picture.rect().contains(x, y))
        return;
    m_picture.setPixelColor(x, y, paletteColor(index));
    update(x, y, 1, 1);
}

void PreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QRect(QPoint(0, 0), m_picture.size()), m_picture);
}

} // namespace gw::editor
