#include <ostream>

#include "Commands.h"
#include "core/PuzzleFile.h"

namespace gw::cli {

int runConvert(const Arguments& args, std::ostream& /*out*/, std::ostream& err)
{
    if (args.size() != 2) {
        err << "usage: gridwick-cli convert IN OUT\n";
        return 2;
    }
    Puzzle puzzle;
    if (!loadAsMaker(args[0], puzzle, err))
        return 1;
    const SaveResult saved = savePbm(puzzle, args[1]);
    if (!saved.ok) {
        reportFailedSave(args[1], saved, err);
        return 1;
    }
    return 0;
}

} // namespace gw::cli
