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

inline void checkLines(int lines, int length, const std::array<std::uint8_t, gw::MaxPuzzleSize>& counts,
                       const std::array<std::uint8_t, gw::MaxPuzzleSize * gw::RunSlots>& lengths,
                       const std::array<std::uint8_t, gw::MaxPuzzleSize * gw::RunSlots>& colors)
{
    for (int line = 0; line < lines; ++line) {
        int needed = 0;
        for (int k = 0; k < counts[static_cast<std::size_t>(line)]; ++k) {
            const std::size_t slot = gw::ClueTables::at(line, k);
            check(lengths[slot] >= 1 && colors[slot] < gw::PaletteSize && colors[slot] != gw::White);
            needed += lengths[slot] + (k > 0 && colors[slot] == colors[gw::ClueTables::at(line, k - 1)] ? 1 : 0);
        }
        check(needed <= length);
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
    checkLines(file.height, file.width, c.rowClueCount, c.rowClueLength, c.rowClueColor);
    checkLines(file.width, file.height, c.columnClueCount, c.columnClueLength, c.columnClueColor);
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
