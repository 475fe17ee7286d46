#pragma once
// Clue files other nonogram programs read and write: webpbn's XML format
// (black and white or colour, clues, optional solution, title) and the .non
// text format (black and white: "width", "height", "rows" and "columns"
// sections of comma-separated clues, optional "title" and "goal").
//
// Readers and writers are values in, values out: a reader returns the clue
// tables, the solution when the file has one, and the messages to show
// (already in the language it is given); it never throws and never touches a
// puzzle. Turning clues without a solution into a picture needs the solver;
// see solver/analysis/ClueImport.h.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Clues.h"
#include "Message.h"
#include "Puzzle.h"
#include "PuzzleFile.h"

namespace gw {

enum class ClueFormat { Webpbn, Non };

// Files larger than this are refused before they are read.
constexpr std::uintmax_t MaxClueFileBytes = 4u * 1024u * 1024u;

// A clue file as read, in palette indices.
struct ClueFile {
    int width = 0;  // 1..50
    int height = 0; // 1..50
    std::string title;
    // Every line's runs, as deriveClues would give them for the picture;
    // every run fits its line.
    ClueTables clues;
    bool color = false; // some run or solution cell has a colour other than black
    // The solution the file gives, cell (x, y) at x + 50 * y, white outside
    // width x height; its clues are exactly `clues`.
    std::optional<std::array<std::uint8_t, CellCount>> picture;
};

struct ClueReadResult {
    bool ok = false;
    ClueFile file;
    // To show in order, each with the path as title. When ok, only notices
    // (colours replaced, information icon); otherwise the last message is
    // the failure (critical icon).
    Messages messages;
    // When the file could not be read at all: why, in plain English (the
    // system's strerror, "not a regular file", the size limit). Empty for a
    // file whose data was refused: the last message says why.
    std::string reason;
};

// The format a path's extension names: ".xml" webpbn, ".non" .non (any
// letter case); nothing for any other extension.
std::optional<ClueFormat> clueFormatFromPath(const std::string& path);

// Reads clue data already in memory. `path` is only the messages' title.
//
// Colours (webpbn): the background colour (attribute backgroundcolor,
// "white" unless given) is the empty cell. Every other colour the clues or
// the solution use gets a palette colour of its own: the assignment with the
// least total squared RGB distance, so palette colours stay themselves and
// no two file colours ever meet in one palette colour. A colour that is not
// exactly its palette colour is listed in a notice. More than 7 such colours
// (8 with the background) is refused.
//
// Refused, with a message: malformed XML or a .non line that is not
// understood (with its line number), numbers that are not 1..50 (a single 0
// stands for an empty line), a missing size, row or column section, more
// than 50 rows or columns, a colour the file does not define, clues longer
// than their line, a solution that is not a complete picture of the size or
// whose clues differ from the file's, a puzzle that is not a grid (webpbn
// triddlers) and colour clues in a .non file.
ClueReadResult readClueData(std::string_view bytes, ClueFormat format, const std::string& path,
                            Language language = Language::English);

// Reads the clue file at `path` (UTF-8). The format is the extension's
// (clueFormatFromPath); for any other extension, webpbn when the first
// character that is not white space is "<", else .non. A file larger than
// MaxClueFileBytes is refused, reading no more than one byte past the limit;
// a missing file, a folder or anything else that is not a regular file (a
// FIFO, a device: never opened in a way that blocks) gives ErrorOpening.
ClueReadResult readClueFile(const std::string& path, Language language = Language::English);

// Whether every cell in use is black or white (a .non file can hold it).
bool blackAndWhiteOnly(const Puzzle& puzzle);

// The bytes of a webpbn XML file for the puzzle: the title (when not empty),
// white as the background, black and every other palette colour the picture
// uses, the clues of every column and row, and the picture as the goal.
std::string webpbnBytes(const Puzzle& puzzle);

// The bytes of a .non file: title (when not empty), width, height, rows,
// columns (an empty line written "0") and the picture as the goal. Cells
// other than white count as filled; callers check blackAndWhiteOnly first.
std::string nonBytes(const Puzzle& puzzle);

// Writes the puzzle's clues to `path` in `format`, replacing any file there
// only once the new one is complete. A .non export of a puzzle with colours
// writes nothing and fails with NonBlackWhiteOnly (title ExportCluesTitle,
// exclamation icon); a write failure gives ErrorSaving (critical, the path
// as title). The puzzle is never changed.
SaveResult exportClueFile(const Puzzle& puzzle, const std::string& path, ClueFormat format,
                          Language language = Language::English);

} // namespace gw
