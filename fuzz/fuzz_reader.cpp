// libFuzzer target: the puzzle file reader, both variants, on arbitrary data.
// Any crash, sanitizer report or broken state invariant is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/PuzzleFile.h"

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (gw::ReaderVariant variant : {gw::ReaderVariant::Maker, gw::ReaderVariant::Player}) {
        gw::Puzzle puzzle;
        std::stringbuf in(bytes, std::ios::in);
        const gw::LoadResult result = gw::readPuzzleData(puzzle, in, "fuzz.pbm", variant);
        check(result.status != gw::LoadStatus::NoFile);
        check(result.loaded() || !result.messages.empty());
        check(puzzle.width >= 1 && puzzle.width <= gw::MaxPuzzleSize);
        check(puzzle.height >= 1 && puzzle.height <= gw::MaxPuzzleSize);
        for (std::uint8_t cell : puzzle.cells)
            check(cell < 8);
        if (result.loaded()) {
            // What was read must survive a write and a second read unchanged.
            gw::Puzzle again;
            std::stringbuf saved(puzzle.isColor ? gw::ppmBytes(puzzle) : gw::pbmBytes(puzzle), std::ios::in);
            check(gw::readPuzzleData(again, saved, "again.pbm", variant).loaded());
            check(again.cells == puzzle.cells);
            check(again.width == puzzle.width && again.height == puzzle.height);
            check(again.title == puzzle.title);
        }
    }
    return 0;
}
