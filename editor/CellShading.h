#pragma once
// A see-through layer over a grid of cells that shades some of them: the
// cells an analysis leaves open, or those where a second solution differs.
//
// It is a child widget covering its grid widget (and following the grid's
// size), transparent to the mouse, so the grid's own picture and its marks
// are never drawn on: clearing the shading leaves the grid exactly as it was.
#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <vector>

#include "solver/analysis/PuzzleAnalysis.h"

namespace gw {

class CellShading : public QWidget {
    Q_OBJECT
public:
    // Where cell (x, y) lies on the grid widget, in logical pixels, from its
    // top-left line to the start of the next cell's line.
    using CellRect = std::function<QRectF(int x, int y)>;

    // Translucent, so that the cell's own colour still shows through.
    static constexpr QColor Tint {255, 140, 0, 110};
    static constexpr QColor Hatch {150, 50, 0, 170};

    CellShading(QWidget& grid, CellRect cellRect);

    // Shades exactly `cells` (x, y from 0), dropping any earlier shading.
    void shade(std::vector<QPoint> cells);
    void clear() { shade({}); }
    const std::vector<QPoint>& cells() const { return m_cells; }

protected:
    void paintEvent(QPaintEvent* event) override;
    QRectF cellRect(int x, int y) const { return m_cellRect(x, y); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CellRect m_cellRect;
    std::vector<QPoint> m_cells;
};

// The cells line logic leaves with more than one colour, row by row.
std::vector<QPoint> openCells(const analysis::AnalysisResult& result);
// The cells where the second solution differs from the picture.
std::vector<QPoint> differingCells(const analysis::AnalysisResult& result);

} // namespace gw
