#include <iomanip>
#include <ostream>

#include "Commands.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace gw::cli {

int runAnalyze(const Invocation& args, std::ostream& out, std::ostream& err)
{
    analysis::AnalysisOptions options;
    options.decideUniqueness = args.has("--unique");
    options.gradeDifficulty = args.has("--grade");
    return reportEachFile(args.operands, out, err, [&](const std::string& file, const Puzzle& puzzle) {
        const analysis::AnalysisResult result = analysis::analyzePuzzle(puzzle, options);
        out << file << '\t' << (result.lineSolvable ? "yes" : "no") << '\t'
            << (options.decideUniqueness || options.gradeDifficulty ? analysis::uniquenessName(result.uniqueness) : "-")
            << '\t' << result.openCells << '\t' << std::fixed << std::setprecision(3) << result.milliseconds;
        if (options.gradeDifficulty)
            out << '\t' << analysis::difficultyName(result.difficulty);
        out << '\n';
        out.unsetf(std::ios::floatfield);
    });
}

} // namespace gw::cli
