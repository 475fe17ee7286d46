#pragma once
// Making a puzzle from a clue file (core/ClueFiles.h). A file with its
// solution gives that picture (the reader has checked it against the clues);
// for a file of bare clues the analysis looks for two solutions, and only a
// unique one becomes the picture.
#include <cstdint>
#include <string>

#include "PuzzleAnalysis.h"
#include "core/ClueFiles.h"

namespace gw::analysis {

// The budget for solving imported clues: 5 seconds, a million search nodes.
AnalysisOptions clueImportOptions();

struct ClueImportResult {
    bool imported = false;
    // To show in order, each with the path as title: notices (colours
    // replaced) and, when not imported, the failure last: the reader's, or
    // ClueNoSolution, ClueSeveralSolutions or ClueUndecided.
    Messages messages;
    // The reader's reason when the file could not be read (ClueReadResult).
    std::string reason;
};

// Makes `puzzle` the picture of the clue file that was read as `read`.
// When imported: size, all 2500 cells (white outside the size), isColor
// (the file has colours other than black), title from the file,
// name from `path` (without folder and last extension), fileName
// "*geen*" (the puzzle has no puzzle file yet) and changed false.
// Otherwise the puzzle is not touched at all.
ClueImportResult importClues(Puzzle& puzzle, const ClueReadResult& read, const std::string& path,
                             Language language = Language::English,
                             const AnalysisOptions& options = clueImportOptions());

// readClueFile, then importClues.
ClueImportResult importClueFile(Puzzle& puzzle, const std::string& path, Language language = Language::English,
                                const AnalysisOptions& options = clueImportOptions());

} // namespace gw::analysis
