// libFuzzer target: the path a user takes with a puzzle file. The bytes are a
// file on disk, read by both programs' load function, saved by the maker's
// atomic writer and read back, which must give the same puzzle.
#include <cstddef>
#include <cstdint>

#include "FuzzFolder.h"
#include "core/PuzzleFile.h"

using gw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string in = gw::fuzz::scratchFolder() + "in.pbm";
    const std::string out = gw::fuzz::scratchFolder() + "out.pbm";
    gw::fuzz::writeBytes(in, data, size);
    for (gw::ReaderVariant variant : {gw::ReaderVariant::Maker, gw::ReaderVariant::Player}) {
        gw::Puzzle puzzle;
        const gw::LoadResult result = gw::readPuzzleFile(puzzle, in, variant);
        check(result.status != gw::LoadStatus::NoFile);
        check(result.loaded() == result.reason.empty());
        check(result.loaded() || !result.messages.empty());
        check(puzzle.width >= 1 && puzzle.width <= gw::MaxPuzzleSize);
        check(puzzle.height >= 1 && puzzle.height <= gw::MaxPuzzleSize);
        for (std::uint8_t cell : puzzle.cells)
            check(cell < 8);
        if (!result.loaded())
            continue;
        puzzle.changed = true;
        const gw::SaveResult saved = gw::savePbm(puzzle, out);
        check(saved.ok && !puzzle.changed);
        gw::Puzzle again;
        check(gw::readPuzzleFile(again, out, variant).loaded());
        check(again.cells == puzzle.cells && again.isColor == puzzle.isColor);
        check(again.width == puzzle.width && again.height == puzzle.height);
        check(again.title == puzzle.title);
        check(again.fileName == out && again.name == "out");
    }
    return 0;
}
