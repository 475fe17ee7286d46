#include "Puzzle.h"

#include "Palette.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw {

void newPuzzle(Puzzle& puzzle, std::int16_t width, std::int16_t height, bool color, std::uint8_t language)
{
    puzzle.PuzzleName = chooseText(language, txt::NoTitle);
    puzzle.PuzzleTitle.clear();
    puzzle.FileName = NoFileName;
    puzzle.ColorPuzzle = color;
    puzzle.Cells.fill(White);
    puzzle.PuzzleWidth = width;
    puzzle.PuzzleHeight = height;
    puzzle.PuzzleChanged = false;
}

} // namespace gw
