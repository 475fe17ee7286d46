#pragma once
// The player's composition of the clue panel and field for the loaded puzzle.
#include <QSizeF>

namespace gw {

class PlayField;

struct PlayFieldComposition {
    int fontSize = 5; // points
    int cellSize = 3; // points, also written to the play-field state
    QSizeF panelSize; // points, after enlarging to the available area
};

// Composes the play field's clue panel for the puzzle and clue tables the
// play field was made with, in an available area of `availableWidth` x
// `availableHeight` points: font and cell size as large as fit ("10 " is the
// yardstick; at least font 5 and cell 3 even when nothing fits), the block of
// clue cells and grid fitted so that the panel's edges (PanelEdge) fit too,
// the panel made at least as large as the area, solid clue numbers in the
// chooser's colours, the rules, the field placed over the grid. Then the play field is reset and the
// panel is shown. Enabling the window's own buttons is left to the caller.
PlayFieldComposition composePlayField(PlayField& playField, double availableWidth, double availableHeight);

// The zoom of the player: composes the clue panel anew for clue font
// `fontSize` (5..72) with the cell side its "10 " yardstick gives (at least 3),
// or, with fitToArea, for the largest font and cell that fit the available
// area as composePlayField does; the panel at least as large as the area.
// Unlike composePlayField the play goes on: every mark, crossed-off clue, the
// cursor, the chooser and the undo history stay, and are drawn anew.
PlayFieldComposition recomposePlayField(PlayField& playField, int fontSize, bool fitToArea, double availableWidth,
                                        double availableHeight);

// The clue font one zoom step larger or smaller than `fontSize`, within 5..72.
int zoomedFontSize(int fontSize, bool larger);

} // namespace gw
