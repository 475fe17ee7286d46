#include <iomanip>
#include <ostream>

#include "Commands.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace gw::cli {

int runAnalyze(const Arguments& args, std::ostream& out, std::ostream& err)
{
    analysis::AnalysisOptions options;
    options.decideUniqueness = false;
    Arguments files;
    for (const std::string& arg : args) {
        if (arg == "--unique")
            options.decideUniqueness = true;
        else if (arg == "--grade")
            options.gradeDifficulty = true;
        else
            files.push_back(arg);
    }
    if (files.empty()) {
        err << "usage: gridwick-cli analyze [--unique] [--grade] FILE...\n";
        return 2;
    }
    return reportEachFile(files, out, err, [&](const std::string& file, const Puzzle& puzzle) {
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
