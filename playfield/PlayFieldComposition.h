#pragma once
// The player's composition of the clue panel and field for the loaded puzzle.
#include <QSizeF>

namespace gw {

class PlayField;

struct PlayFieldComposition {
    int fontSize = 5;  // points
    int cellSize = 3;  // points, also written to TestCellSize
    QSizeF panelSize;  // points, after enlarging to the available area
};

// Composes the play field's clue panel for the puzzle and clue tables the
// play field was made with, in an available area of `availableWidth` x
// `availableHeight` points: font and cell size as large as fit ("10 " is the
// yardstick; at least font 5 and cell 3 even when nothing fits), the panel
// made at least as large as the area, clue numbers in the chooser's colours,
// the rules, the field placed over the grid. Then resetPlayField runs and the
// panel is shown. Enabling the window's own buttons is left to the caller.
PlayFieldComposition composePlayField(PlayField& playField, double availableWidth, double availableHeight);

// The font-size search of the composition: the largest f in 6..72 for which
// `fits(t)` holds with t = width of "10 " at f, stopping at the first size
// that does not fit; 5 when none does. Shared with the page painter.
template <typename Fits, typename Measure>
int largestFittingFontSize(Measure widthOfTen, Fits fits)
{
    int best = 5;
    for (int f = 6; f <= 72; ++f) {
        if (!fits(widthOfTen(f)))
            break;
        best = f;
    }
    return best;
}

} // namespace gw
