#include "CellShading.h"

#include <QEvent>
#include <QPainter>

namespace gw {

CellShading::CellShading(QWidget& grid, CellRect cellRect) : QWidget(&grid), m_cellRect(std::move(cellRect))
{
    setObjectName(QStringLiteral("cellShading"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(grid.rect());
    grid.installEventFilter(this);
    hide();
}

void CellShading::shade(std::vector<QPoint> cells)
{
    m_cells = std::move(cells);
    setGeometry(parentWidget()->rect());
    setVisible(!m_cells.empty());
    update();
}

void CellShading::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const QPoint& cell : m_cells) {
        // The cell's inside only: its grid lines stay as they are.
        const QRectF r = m_cellRect(cell.x(), cell.y()).adjusted(1, 1, 0, 0);
        if (r.width() <= 0 || r.height() <= 0)
            continue;
        painter.fillRect(r, Tint);
        painter.fillRect(r, QBrush(Hatch, Qt::BDiagPattern));
    }
}

bool CellShading::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

std::vector<QPoint> openCells(const analysis::AnalysisResult& result)
{
    std::vector<QPoint> cells;
    if (!result.lineLogicDone)
        return cells;
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) {
            const unsigned colors = result.lineLogicColors[static_cast<std::size_t>(x + MaxPuzzleSize * y)];
            if ((colors & (colors - 1)) != 0)
                cells.emplace_back(x, y);
        }
    return cells;
}

std::vector<QPoint> differingCells(const analysis::AnalysisResult& result)
{
    std::vector<QPoint> cells;
    cells.reserve(result.differingCells.size());
    for (const analysis::CellPosition& c : result.differingCells)
        cells.emplace_back(c.x, c.y);
    return cells;
}

} // namespace gw
