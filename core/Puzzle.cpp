#include "Puzzle.h"

#include "Palette.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw {

void newPuzzle(Puzzle& puzzle, std::int16_t width, std::int16_t height, bool color, Language language)
{
    puzzle.name = chooseText(language, txt::NoTitle);
    puzzle.title.clear();
    puzzle.fileName = NoFileName;
    puzzle.isColor = color;
    puzzle.cells.fill(White);
    puzzle.width = width;
    puzzle.height = height;
    puzzle.changed = false;
}

} // namespace gw
