// libFuzzer target: picture import as the maker does it, through Qt's image
// readers (offscreen). The bytes are a picture file on disk. Qt itself is not
// instrumented, so coverage guides the search only through our code; crashes
// and sanitizer reports in Qt's readers are found all the same.
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzFolder.h"
#include "core/Palette.h"
#include "editor/ImageImport.h"

using gw::fuzz::check;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv); // image readers need the application's plugins
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = gw::fuzz::scratchFolder() + "picture.dat";
    gw::fuzz::writeBytes(path, data, size);
    gw::Puzzle puzzle;
    puzzle.cells.fill(gw::Black);
    puzzle.changed = true;
    const gw::Puzzle before = puzzle;
    const gw::editor::ImportResult result =
        gw::editor::importImage(puzzle, QString::fromStdString(path), gw::Language::English);
    check(!puzzle.changed);
    if (result.status != gw::editor::ImportStatus::Imported) {
        check(result.status == gw::editor::ImportStatus::Failed && result.messages.size() == 1);
        check(puzzle.cells == before.cells && puzzle.width == before.width);
        return 0;
    }
    check(puzzle.width >= 1 && puzzle.width <= gw::MaxPuzzleSize);
    check(puzzle.height >= 1 && puzzle.height <= gw::MaxPuzzleSize);
    bool color = false;
    for (int y = 0; y < gw::MaxPuzzleSize; ++y) {
        for (int x = 0; x < gw::MaxPuzzleSize; ++x) {
            const std::uint8_t cell = puzzle.cell(x, y);
            const bool inUse = x < puzzle.width && y < puzzle.height;
            check(inUse ? cell < 8 : cell == gw::White);
            color = color || (inUse && cell > gw::White);
        }
    }
    check(puzzle.isColor == color && puzzle.name == "picture" && puzzle.fileName == gw::NoFileName);
    return 0;
}
