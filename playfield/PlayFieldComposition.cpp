#include "PlayFieldComposition.h"

#include <QPainter>

#include "ClueDrawing.h"
#include "CluePanel.h"
#include "PlayField.h"
#include "core/Rounding.h"

namespace gw {

PlayFieldComposition composePlayField(PlayField& playField, double availableWidth, double availableHeight)
{
    const Puzzle& puzzle = playField.puzzle();
    const ClueTables& clues = playField.clues();
    CluePanel& panel = playField.panel();
    const int w = puzzle.PuzzleWidth, h = puzzle.PuzzleHeight;
    const int r = clues.maxRowClues, q = clues.maxColumnClues;

    // Text is measured on the panel's own picture.
    if (panel.picture().image().isNull())
        panel.resetPicture(QSizeF(1, 1));
    QPaintDevice* device = &panel.picture().image();
    // The block is fitted so that the panel's right and bottom edges fit
    // the area as well.
    const double fitWidth = availableWidth - PanelEdge, fitHeight = availableHeight - PanelEdge;
    PlayFieldComposition result;
    result.fontSize = largestFittingFontSize(device, r + w, q + h, fitWidth, fitHeight);
    const int s = fittingCellSize(device, result.fontSize, r + w, q + h, fitWidth, fitHeight);
    result.cellSize = s;

    QSizeF size((r + w) * s + PanelEdge, (q + h) * s + PanelEdge);
    size = size.expandedTo(QSizeF(availableWidth, availableHeight));
    result.panelSize = size;
    panel.resetPicture(size);

    GridPlacement grid;
    grid.gridLeft = r * s;
    grid.gridTop = q * s;
    grid.cellSize = s;
    QPainter painter;
    panel.picture().beginPoints(painter);
    painter.setFont(pointFont(result.fontSize));
    useSolidDigits(painter);
    const bool color = puzzle.ColorPuzzle;
    device = &panel.picture().image();
    drawClueNumbers(painter, device, puzzle, clues, grid, [&](int paletteIndex) {
        return color ? playField.stateColor(paletteIndex + 1) : QColor(Qt::black);
    });
    drawGridRules(painter, 0, puzzle, q, grid, QColor(64, 64, 64), panel.picture().pixelInPoints());
    painter.end();

    playField.state().cellSize = static_cast<std::int16_t>(s);
    panel.placeField(grid.gridLeft, grid.gridTop, w, h, s);
    playField.reset();
    panel.show();
    panel.update();
    return result;
}

} // namespace gw
