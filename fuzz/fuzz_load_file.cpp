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
        check(puzzle.PuzzleWidth >= 1 && puzzle.PuzzleWidth <= gw::MaxPuzzleSize);
        check(puzzle.PuzzleHeight >= 1 && puzzle.PuzzleHeight <= gw::MaxPuzzleSize);
        for (std::uint8_t cell : puzzle.Cells)
            check(cell < 8);
        if (!result.loaded())
            continue;
        puzzle.PuzzleChanged = true;
        const gw::SaveResult saved = gw::savePbm(puzzle, out);
        check(saved.ok && !puzzle.PuzzleChanged);
        gw::Puzzle again;
        check(gw::readPuzzleFile(again, out, variant).loaded());
        check(again.Cells == puzzle.Cells && again.ColorPuzzle == puzzle.ColorPuzzle);
        check(again.PuzzleWidth == puzzle.PuzzleWidth && again.PuzzleHeight == puzzle.PuzzleHeight);
        check(again.PuzzleTitle == puzzle.PuzzleTitle);
        check(again.FileName == out && again.PuzzleName == "out");
    }
    return 0;
}
