#include "ClueImport.h"

#include "core/Palette.h"
#include "core/Paths.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw::analysis {

namespace {

Message failure(const std::string& path, Language language, const Text& text)
{
    return Message {chooseText(language, text), path, MessageIcon::Critical};
}

} // namespace

AnalysisOptions clueImportOptions()
{
    AnalysisOptions options;
    options.maxMilliseconds = 5000;
    options.maxNodes = 1000000;
    return options;
}

ClueImportResult importClues(Puzzle& puzzle, const ClueReadResult& read, const std::string& path, Language language,
                             const AnalysisOptions& options)
{
    ClueImportResult result;
    result.messages = read.messages;
    result.reason = read.reason;
    if (!read.ok)
        return result;
    const ClueFile& file = read.file;
    CellGrid picture;
    if (file.picture) {
        picture = *file.picture;
    } else {
        const AnalysisResult analysis = analyzeClues(file.clues, file.width, file.height, options);
        switch (analysis.uniqueness) {
        case Uniqueness::Unique:
            picture = analysis.solutions.front();
            break;
        case Uniqueness::NotUnique:
            result.messages.push_back(failure(path, language, txt::ClueSeveralSolutions));
            return result;
        case Uniqueness::NoSolution:
            result.messages.push_back(failure(path, language, txt::ClueNoSolution));
            return result;
        case Uniqueness::Unknown:
            result.messages.push_back(failure(path, language, txt::ClueUndecided));
            return result;
        }
    }
    puzzle.width = static_cast<std::int16_t>(file.width);
    puzzle.height = static_cast<std::int16_t>(file.height);
    puzzle.cells.fill(White);
    for (int y = 0; y < file.height; ++y)
        for (int x = 0; x < file.width; ++x)
            puzzle.cell(x, y) = picture[static_cast<std::size_t>(x + MaxPuzzleSize * y)];
    puzzle.isColor = file.color;
    puzzle.title = file.title;
    puzzle.name = puzzleNameFromPath(path);
    puzzle.fileName = NoFileName;
    puzzle.changed = false;
    result.imported = true;
    return result;
}

ClueImportResult importClueFile(Puzzle& puzzle, const std::string& path, Language language,
                                const AnalysisOptions& options)
{
    return importClues(puzzle, readClueFile(path, language), path, language, options);
}

} // namespace gw::analysis
