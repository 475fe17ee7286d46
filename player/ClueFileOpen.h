#pragma once
// Playing clue files (webpbn XML, .non): read and, for bare clues, solved by
// the analysis exactly as the maker's Import Clues does
// (solver/analysis/ClueImport.h), with its budget and its messages.
#include <QString>
#include <optional>

#include "core/Puzzle.h"
#include "core/Session.h"
#include "platform/Platform.h"

namespace gw::player {

// Whether the player reads `path` as a clue file: it ends in .xml or .non
// (either case).
bool isClueFileName(const QString& path);

// Imports the clue file at `path` with the busy cursor on and shows its
// messages (notices first, then the failure), each with the path as title.
// Returns the puzzle to play when it has one solution; otherwise nothing,
// and the caller keeps the game it has.
std::optional<Puzzle> importCluePuzzle(const QString& path, const Session& session, platform::Platform& platform);

} // namespace gw::player
