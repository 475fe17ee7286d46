#include <ostream>

#include "Commands.h"
#include "core/ClueFiles.h"
#include "core/Paths.h"
#include "core/PuzzleFile.h"
#include "solver/analysis/ClueImport.h"

namespace gw::cli {

int runExport(const Invocation& args, std::ostream& /*out*/, std::ostream& err)
{
    const std::string& in = args.operands[0];
    const std::string& out = args.operands[1];
    const std::optional<ClueFormat> format = clueFormatFromPath(out);
    if (!format)
        return wrongUsage(args, "OUT ends in .xml or .non", err);
    Puzzle puzzle;
    if (!loadAsMaker(in, puzzle, err))
        return 1;
    const SaveResult saved = exportClueFile(puzzle, out, *format);
    if (!saved.ok) {
        reportFailedSave(out, saved, err);
        return 1;
    }
    return 0;
}

int runImport(const Invocation& args, std::ostream& /*out*/, std::ostream& err)
{
    const std::string& in = args.operands[0];
    const std::string& out = args.operands[1];
    if (!(hasExtension(out, ".pbm") || hasExtension(out, ".ppm")))
        return wrongUsage(args, "OUT ends in .pbm or .ppm", err);
    Puzzle puzzle;
    const analysis::ClueImportResult result = analysis::importClueFile(puzzle, in);
    for (std::size_t i = 0; i < result.messages.size(); ++i) {
        const std::string text = printable(result.messages[i].text);
        if (i + 1 < result.messages.size() || result.imported)
            err << "notice: " << text << '\n';
        else
            err << "error: " << printable(in) << ": " << text
                << (result.reason.empty() ? "" : " (" + printable(result.reason) + ")") << '\n';
    }
    if (!result.imported)
        return 1;
    return savePicture(puzzle, out, err);
}

} // namespace gw::cli
