#include <ostream>

#include "Commands.h"
#include "core/ClueFiles.h"
#include "core/Paths.h"
#include "core/PuzzleFile.h"
#include "solver/analysis/ClueImport.h"

namespace gw::cli {

int runExport(const Arguments& args, std::ostream& /*out*/, std::ostream& err)
{
    const std::optional<ClueFormat> format = args.size() == 2 ? clueFormatFromPath(args[1]) : std::nullopt;
    if (!format) {
        err << "usage: gridwick-cli export IN OUT.xml|OUT.non\n";
        return 2;
    }
    Puzzle puzzle;
    if (!loadAsMaker(args[0], puzzle, err))
        return 1;
    const SaveResult saved = exportClueFile(puzzle, args[1], *format);
    if (!saved.ok) {
        reportFailedSave(args[1], saved, err);
        return 1;
    }
    return 0;
}

int runImport(const Arguments& args, std::ostream& /*out*/, std::ostream& err)
{
    if (args.size() != 2 || !(hasExtension(args[1], ".pbm") || hasExtension(args[1], ".ppm"))) {
        err << "usage: gridwick-cli import IN OUT.pbm|OUT.ppm\n";
        return 2;
    }
    Puzzle puzzle;
    const analysis::ClueImportResult result = analysis::importClueFile(puzzle, args[0]);
    for (std::size_t i = 0; i < result.messages.size(); ++i) {
        const std::string text = printable(result.messages[i].text);
        if (i + 1 < result.messages.size() || result.imported)
            err << "notice: " << text << '\n';
        else
            err << "error: " << printable(args[0]) << ": " << text
                << (result.reason.empty() ? "" : " (" + printable(result.reason) + ")") << '\n';
    }
    if (!result.imported)
        return 1;
    const bool wantsColor = hasExtension(args[1], ".ppm");
    if (puzzle.ColorPuzzle && !wantsColor) {
        err << "error: " << printable(args[1]) << ": a color puzzle is saved as .ppm\n";
        return 1;
    }
    const SaveResult saved = wantsColor ? savePpm(puzzle, args[1]) : savePbm(puzzle, args[1]);
    if (!saved.ok) {
        reportFailedSave(args[1], saved, err);
        return 1;
    }
    return 0;
}

} // namespace gw::cli
