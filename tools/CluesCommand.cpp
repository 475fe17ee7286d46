#include <ostream>

#include "Commands.h"
#include "core/Clues.h"

namespace gw::cli {

namespace {

void printLine(std::ostream& out, const char* kind, int line, const LineClue& clue)
{
    out << kind << ' ' << line << ' ' << clue.count << ':';
    for (int k = 0; k < clue.count; ++k)
        out << ' ' << clue.length(k) << '/' << clue.color(k);
    out << '\n';
}

} // namespace

int runClues(const Invocation& args, std::ostream& out, std::ostream& err)
{
    Puzzle puzzle;
    if (!loadAsMaker(args.operands[0], puzzle, err))
        return 1;
    ClueTables clues;
    deriveClues(puzzle, clues);
    out << "size " << puzzle.width << ' ' << puzzle.height << ' ' << (puzzle.isColor ? "color" : "bw") << '\n';
    out << "title";
    if (!puzzle.title.empty())
        out << ' ' << printable(puzzle.title);
    out << '\n';
    for (int y = 0; y < puzzle.height; ++y)
        printLine(out, "row", y, clues.rows[static_cast<std::size_t>(y)]);
    for (int x = 0; x < puzzle.width; ++x)
        printLine(out, "col", x, clues.columns[static_cast<std::size_t>(x)]);
    return 0;
}

} // namespace gw::cli
