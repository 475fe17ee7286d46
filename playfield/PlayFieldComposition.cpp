#include "PlayFieldComposition.h"

#include <QPainter>
#include <algorithm>

#include "ClueDrawing.h"
#include "CluePanel.h"
#include "PlayField.h"
#include "core/Rounding.h"

namespace gw {

namespace {

// Composes the panel; a fontSize of 0 means the largest that fits the area.
PlayFieldComposition compose(PlayField& playField, int fontSize, double availableWidth, double availableHeight)
{
    const Puzzle& puzzle = playField.puzzle();
    const ClueTables& clues = playField.clues();
    CluePanel& panel = playField.panel();
    const int w = puzzle.width, h = puzzle.height;
    const int r = clues.maxRowClues, q = clues.maxColumnClues;

    // Text is measured on the panel's own picture.
    if (panel.picture().image().isNull())
        panel.resetPicture(QSizeF(1, 1));
    QPaintDevice* device = &panel.picture().image();
    // The block is fitted so that the panel's right and bottom edges fit
    // the area as well.
    const double fitWidth = availableWidth - PanelEdge, fitHeight = availableHeight - PanelEdge;
    PlayFieldComposition result;
    if (fontSize > 0) {
        result.fontSize = fontSize;
        result.cellSize = std::max(3, roundHalfEven(tenWidth(fontSize, device)));
    } else {
        result.fontSize = largestFittingFontSize(device, r + w, q + h, fitWidth, fitHeight);
        result.cellSize = fittingCellSize(device, result.fontSize, r + w, q + h, fitWidth, fitHeight);
    }
    const int s = result.cellSize;

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
    const bool color = puzzle.isColor;
    device = &panel.picture().image();
    drawClueNumbers(painter, device, puzzle, clues, grid, [&](int paletteIndex) {
        return color ? playField.stateColor(paletteIndex + 1) : QColor(Qt::black);
    });
    drawGridRules(painter, 0, puzzle, q, grid, QColor(64, 64, 64), panel.picture().pixelInPoints());
    painter.end();

    playField.state().cellSize = static_cast<std::int16_t>(s);
    panel.placeField(grid.gridLeft, grid.gridTop, w, h, s);
    return result;
}

} // namespace

PlayFieldComposition composePlayField(PlayField& playField, double availableWidth, double availableHeight)
{
    const PlayFieldComposition result = compose(playField, 0, availableWidth, availableHeight);
    playField.reset();
    playField.panel().show();
    playField.panel().update();
    return result;
}

PlayFieldComposition recomposePlayField(PlayField& playField, int fontSize, bool fitToArea, double availableWidth,
                                        double availableHeight)
{
    const PlayFieldComposition result =
        compose(playField, fitToArea ? 0 : std::clamp(fontSize, 5, 72), availableWidth, availableHeight);
    playField.redrawPlay();
    playField.panel().update();
    return result;
}

int zoomedFontSize(int fontSize, bool larger)
{
    // Steps of about a quarter, at least one point.
    const int step = std::max(1, fontSize / 4);
    return std::clamp(larger ? fontSize + step : fontSize - step, 5, 72);
}

} // namespace gw
