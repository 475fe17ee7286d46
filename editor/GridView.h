#pragma once
// GridView, the drawing grid of the main window. The grid is drawn once into a retained picture
// at the screen's device pixel ratio (so it stays sharp on high-resolution
// screens) and only copied to the screen on repaint. A full redraw happens at
// every layout; single cells are drawn over it while the user paints.
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "core/Puzzle.h"

namespace gw::editor {

class GridView : public QWidget {
    Q_OBJECT
public:
    GridView(const Puzzle& puzzle, QWidget* parent = nullptr);

    // Sizes the picture for the puzzle at `zoom` pixels a cell (one pixel
    // more each way for the closing outline) and redraws every cell.
    void redraw(double zoom);
    // Draws cell (x, y) in palette colour `index`, outlined in black.
    void paintCell(int x, int y, std::uint8_t index);
    double zoom() const { return m_zoom; }
    // Guide lines: every fifth line inside the grid drawn three pixels wide
    // (one pixel either side of the outline) once cells are at least six
    // pixels, so the eye can count cells in fives. Off at first.
    void setGuideLines(bool on);
    bool guideLines() const { return m_guideLines; }
    // The retained picture (in device pixels) and one of its pixels by
    // logical position, as tests and screenshots see it.
    const QImage& picture() const { return m_picture; }
    QColor colorAt(QPoint logical) const;

signals:
    // A press or a move over the grid, in logical pixels of the grid; moves
    // with a held button keep coming when the pointer leaves the grid.
    void pointer(int button, QPointF position);
    // After redraw() and paintCell(): the picture may show other cells now.
    void cellsDrawn();
    // The last mouse button held over the grid was released: a drawing stroke ends.
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ensurePictureResolution();
    // Draws one cell with `painter` on the picture; returns its outline in logical pixels.
    QRect drawCell(QPainter& painter, int x, int y, std::uint8_t index) const;
    // The guide lines that cross `area` (logical pixels), when they are on.
    void drawGuides(QPainter& painter, const QRect& area) const;

    const Puzzle& m_puzzle;
    double m_zoom = 3;
    bool m_guideLines = false;
    QImage m_picture;
};

} // namespace gw::editor
