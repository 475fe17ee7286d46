#include <ostream>

#include "Commands.h"
#include "core/Clues.h"

namespace gw::cli {

namespace {

void printLine(std::ostream& out, const char* kind, int line, int count,
               const std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& lengths,
               const std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& colors)
{
    out << kind << ' ' << line << ' ' << count << ':';
    for (int k = 0; k < count; ++k)
        out << ' ' << int(lengths[ClueTables::at(line, k)]) << '/' << int(colors[ClueTables::at(line, k)]);
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
        printLine(out, "row", y, clues.rowClueCount[static_cast<std::size_t>(y)], clues.rowClueLength,
                  clues.rowClueColor);
    for (int x = 0; x < puzzle.width; ++x)
        printLine(out, "col", x, clues.columnClueCount[static_cast<std::size_t>(x)], clues.columnClueLength,
                  clues.columnClueColor);
    return 0;
}

} // namespace gw::cli
