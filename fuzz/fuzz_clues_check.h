#pragma once
// What both clue-file fuzz targets check on a reader's result: the clue
// tables are sound (sizes 1..50, palette colours, every run fits its line),
// a failure carries its message, and a solution survives being written in
// both formats and read again.
#include <cstdint>
#include <string>

#include "core/ClueFiles.h"
#include "core/Palette.h"

namespace fuzzcheck {

inline void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

inline void checkLines(int lines, int length, const std::array<gw::LineClue, gw::MaxPuzzleSize>& clues)
{
    for (int line = 0; line < lines; ++line) {
        const gw::LineClue& clue = clues[static_cast<std::size_t>(line)];
        int needed = 0;
        unsigned colorMask = 0;
        for (int k = 0; k < clue.count; ++k) {
            check(clue.length(k) >= 1 && clue.color(k) < gw::PaletteSize && clue.color(k) != gw::White);
            needed += clue.length(k) + (clue.sameColorAsPrevious(k) ? 1 : 0);
            colorMask |= 1u << clue.color(k);
        }
        check(needed <= length && colorMask == clue.colorMask);
    }
}

inline void checkResult(const gw::ClueReadResult& result)
{
    if (!result.ok) {
        check(!result.messages.empty() && result.messages.back().icon == gw::MessageIcon::Critical);
        return;
    }
    const gw::ClueFile& file = result.file;
    check(file.width >= 1 && file.width <= gw::MaxPuzzleSize && file.height >= 1 && file.height <= gw::MaxPuzzleSize);
    const gw::ClueTables& c = file.clues;
    checkLines(file.height, file.width, c.rows);
    checkLines(file.width, file.height, c.columns);
    if (!file.picture)
        return;
    gw::Puzzle puzzle;
    puzzle.width = static_cast<std::int16_t>(file.width);
    puzzle.height = static_cast<std::int16_t>(file.height);
    puzzle.cells = *file.picture;
    puzzle.title = file.title;
    const gw::ClueReadResult xml = gw::readClueData(gw::webpbnBytes(puzzle), gw::ClueFormat::Webpbn, "again.xml");
    check(xml.ok && xml.file.picture && *xml.file.picture == puzzle.cells);
    if (gw::blackAndWhiteOnly(puzzle)) {
        const gw::ClueReadResult non = gw::readClueData(gw::nonBytes(puzzle), gw::ClueFormat::Non, "again.non");
        check(non.ok && non.file.picture && *non.file.picture == puzzle.cells);
    }
}

} // namespace fuzzcheck
