#include <ostream>

#include "Commands.h"
#include "core/PuzzleFile.h"
#include "solver/analysis/PuzzleFix.h"

namespace gw::cli {

int runFix(const Arguments& args, std::ostream& out, std::ostream& err)
{
    analysis::FixOptions options;
    Arguments files;
    for (const std::string& arg : args) {
        if (arg == "--line")
            options.lineLogic = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 2) {
        err << "usage: gridwick-cli fix [--line] IN OUT\n";
        return 2;
    }
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
