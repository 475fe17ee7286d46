#pragma once
// The field: the surface laid exactly over the grid area of the
// clue panel, on which the cells are painted and which receives the mouse.
#include <QColor>

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

private:
    QRectF m_rect;
};

} // namespace gw
