#pragma once
// The maker's edits of the picture as a whole: fitting the size to the
// picture, the negative, the four one-cell shifts and the new size from the
// size boxes. They change cells and size only; the changed flag, the redraw
// and the status line are the window's business.
#include <string>

#include "core/Puzzle.h"

namespace gw {

// Moves the picture to the top-left corner and makes the puzzle exactly as
// large as it, looking at all 50 x 50 cells (also those outside the size in
// use). Returns false, changing nothing, when every cell is white.
bool fitSize(Puzzle& puzzle);

// Replaces every cell in use by its complement: black<->white, red<->aqua,
// blue<->yellow, green<->magenta.
void makeNegative(Puzzle& puzzle);

enum class ShiftDirection { Left = 0, Right = 1, Up = 2, Down = 3 };
// Moves the cells in use one place; what leaves the puzzle is lost and the
// emptied column or row becomes white. Cells outside the puzzle stay as they are.
void shiftPicture(Puzzle& puzzle, ShiftDirection direction);

// The size a size box stands for: blank, or not a digit after the leading
// blanks, gives `current`; otherwise the number the leading digits form,
// corrected to 1..50.
int correctedSize(const std::string& text, int current);

// Gives the puzzle width x height cells (each 1..50, as correctedSize gives
// them). The cells are kept: cells cut off by shrinking come back when the
// puzzle grows again.
void resizePuzzle(Puzzle& puzzle, int width, int height);

} // namespace gw
