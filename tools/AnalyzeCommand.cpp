#include <iomanip>
#include <ostream>

#include "Commands.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace gw::cli {

int runAnalyze(const Invocation& args, std::ostream& out, std::ostream& err)
{
    analysis::AnalysisOptions options;
    options.decideUniqueness = args.has("--unique");
    return reportEachFile(args.operands, out, err, [&](const std::string& file, const Puzzle& puzzle) {
        const analysis::AnalysisResult result = analysis::analyzePuzzle(puzzle, options);
        out << file << '\t' << (result.lineSolvable ? "yes" : "no") << '\t'
            << (options.decideUniqueness ? analysis::uniquenessName(result.uniqueness) : "-") << '\t'
            << result.openCells << '\t' << std::fixed << std::setprecision(3) << result.milliseconds << '\n';
        out.unsetf(std::ios::floatfield);
    });
}

} // namespace gw::cli
