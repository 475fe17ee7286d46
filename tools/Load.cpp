#include <ostream>

#include "Commands.h"
#include "core/PuzzleFile.h"

namespace gw::cli {

bool loadAsMaker(const std::string& path, Puzzle& puzzle, std::ostream& err)
{
    const LoadResult result = readPuzzleFile(puzzle, path, ReaderVariant::Maker);
    if (result.status == LoadStatus::NoFile) {
        err << "error: " << path << ": no such file\n";
        return false;
    }
    const std::size_t notices = result.loaded() ? result.messages.size() : result.messages.size() - 1;
    for (std::size_t i = 0; i < notices; ++i)
        err << "notice: " << result.messages[i].text << '\n';
    if (!result.loaded())
        err << "error: " << result.messages.back().text << '\n';
    return result.loaded();
}

} // namespace gw::cli
