#include <ostream>

#include "Commands.h"
#include "core/PuzzleFile.h"
#include "solver/analysis/PuzzleFix.h"

namespace gw::cli {

int runFix(const Invocation& args, std::ostream& out, std::ostream& err)
{
    analysis::FixOptions options;
    options.lineLogic = args.has("--line");
    const Arguments& files = args.operands;
    Puzzle puzzle;
    if (!loadAsMaker(files[0], puzzle, err))
        return 1;
    const analysis::FixResult fix = analysis::suggestFix(puzzle, options);
    if (fix.stop != analysis::FixStop::Found && fix.stop != analysis::FixStop::AlreadyThere) {
        err << "error: " << printable(files[0]) << ": no fix found within " << options.maxMilliseconds / 1000
            << " s and " << options.maxChanges << " changes\n";
        return 3;
    }
    if (fix.stop == analysis::FixStop::AlreadyThere)
        err << "notice: " << printable(files[0])
            << (options.lineLogic ? ": already solvable by line logic\n" : ": already unique\n");
    analysis::applyFix(puzzle, fix.changes);
    const SaveResult saved = savePbm(puzzle, files[1]);
    if (!saved.ok) {
        reportFailedSave(files[1], saved, err);
        return 1;
    }
    for (const analysis::CellChange& change : fix.changes)
        out << change.x + 1 << ' ' << change.y + 1 << ' ' << int {change.color} << '\n';
    return 0;
}

} // namespace gw::cli
