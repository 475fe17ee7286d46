#include <ostream>

#include "Commands.h"
#include "core/PuzzleFile.h"

namespace gw::cli {

int runConvert(const Invocation& args, std::ostream& /*out*/, std::ostream& err)
{
    const std::string& in = args.operands[0];
    const std::string& out = args.operands[1];
    Puzzle puzzle;
    if (!loadAsMaker(in, puzzle, err))
        return 1;
    const SaveResult saved = savePbm(puzzle, out);
    if (!saved.ok) {
        reportFailedSave(out, saved, err);
        return 1;
    }
    return 0;
}

} // namespace gw::cli
