#pragma once
// The field: the surface laid exactly over the grid area of the
// clue panel, on which the cells are painted and which receives the mouse.
#include <QColor>
#include <functional>
#include <optional>
#include <vector>

#include "PointSurface.h"

namespace gw {

class FieldWidget : public PointSurface {
    Q_OBJECT
public:
    explicit FieldWidget(QWidget* parent = nullptr);

    // Places the field at (left, top) points of its parent surface, `width` x
    // `height` points, and clears it. `pixelsPerPoint` and `dpr` are the
    // parent's; the field's lines stay on the parent's pixel grid.
    void place(double left, double top, double width, double height, double pixelsPerPoint, double dpr);
    QRectF rectPoints() const { return m_rect; }

    // Paints cell (x, y) of a grid of `cellSize`-point cells: filled with
    // `fill`, outlined in (64, 64, 64), with a second unit of line at the left
    // when x is a multiple of 5 and at the top when y is.
    void paintCell(int x, int y, int cellSize, const QColor& fill);

    // Clears the whole field: until its cells are painted it shows the
    // panel beneath, and beyond its cells' last outline it always does.
    void clear();

    // The keyboard cursor: a frame over cell (x, y) of `cellSize`-point cells,
    // drawn over the picture (never into it) and thin enough to leave the
    // cell's mark in sight; none when `cell` is empty.
    void showCellFrame(std::optional<QPoint> cell, int cellSize);
    std::optional<QPoint> cellFrame() const { return m_frameCell; }

    // A hint drawn over the picture (never into it): the cells of `line` (a
    // rectangle in cells) tinted and framed, the cells `shaded` hatched, in
    // cells of `cellSize` points. clearHint removes it.
    void showHint(const QRect& line, const std::vector<QPoint>& shaded, int cellSize);
    void clearHint();
    bool hintShown() const { return !m_hintLine.isNull(); }

    // Key presses while the field has the focus go to `handler`; a key it
    // returns false for goes on to the parent widgets.
    void setKeyHandler(std::function<bool(int key, Qt::KeyboardModifiers modifiers)> handler)
    {
        m_keyHandler = std::move(handler);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF frameRect() const;
    QRectF cellsRect(const QRect& cells, int cellSize) const;

    QRectF m_rect;
    std::optional<QPoint> m_frameCell;
    int m_frameCellSize = 0;
    QRect m_hintLine;
    std::vector<QPoint> m_hintCells;
    int m_hintCellSize = 0;
    std::function<bool(int, Qt::KeyboardModifiers)> m_keyHandler;
};

} // namespace gw
