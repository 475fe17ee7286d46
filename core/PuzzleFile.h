#pragma once
// Reading and writing puzzle files: PBM (P1, P4) and PPM (P3, P6), one pixel
// a cell, the title in the comment on line 2.
//
// The reader and the writers work on the puzzle state only and return their
// outcome as a value; the windows decide how to show it. Window-only steps
// (caption, status line, busy cursor, recent list, relayout, clue derivation,
// play field) are the caller's; the contract of each function says which.
#include <cstdint>
#include <optional>
#include <streambuf>
#include <string>

#include "Message.h"
#include "Puzzle.h"
#include "lang/Language.h"

namespace gw {

// The two readers differ in their size limit and number width:
// Maker: a file larger than 50 x 50 is reduced to fit, numbers are 32-bit,
//        the title is read from line 2.
// Player: a file larger than 50 x 50 is refused, numbers are 16-bit (a value
//         above 32767 is a read error), the title is not read.
enum class ReaderVariant { Maker, Player };

// Largest value readNumber accepts for each variant.
std::int32_t largestNumber(ReaderVariant variant);

// Reads the next decimal number from `in`: non-digit bytes before the first
// digit are skipped, a "#" outside the digits (or between them) starts a
// comment that runs up to and including the next CR or LF, and the first
// non-digit byte after the digits is consumed. The end of the data also ends a
// number. Returns nothing (a read error) when the data ends before any digit
// or the value exceeds `largest`. Never reads past the end; never loops.
std::optional<std::int32_t> readNumber(std::streambuf& in, std::int32_t largest);

enum class LoadStatus {
    // The file was read. cells, size, isColor, name, fileName (and,
    // in the maker, title) are set. The caller sets the caption, the
    // status line (maker: fileOpenedStatus), adds the
    // path to the recent list; the player derives its clues and builds the
    // play field.
    Loaded,
    // Empty path, or no file (or a folder) of that name: nothing is read, no
    // message, the grid is unchanged.
    NoFile,
    // The file does not start with P1, P3, P4 or P6. The grid is all white,
    // the size is unchanged. The maker's fileName becomes "*geen*" (here and
    // after ReadError), so that Save cannot overwrite the previous file with
    // the white or half-read grid; name is left for the caption.
    NotValid,
    // Player only: the file is wider or higher than 50. The grid is all white.
    TooLarge,
    // The data ended early, a number was too large or zero, or the file could
    // not be opened or read: it is not a regular file (a FIFO, a device), or
    // the system refused it. What was read up to then stays in the grid.
    ReadError,
};

// Outcome of readPuzzleFile. `messages` are the messages to show, in order, with
// their text in the language the reader is given. When the status is NotValid, TooLarge
// or ReadError, the last message is the one that tells the failure; any
// before it are notices (too large and reduced, more than 8 colours).
struct LoadResult {
    LoadStatus status = LoadStatus::NoFile;
    Messages messages;
    // Unless loaded, a plain English account of why, for logs and the
    // command-line tool: the system's reason (strerror) when the file could
    // not be opened or read, else what was wrong with its data.
    std::string reason;
    // Set once the file's size has passed the size check, also when the read
    // fails after it: true for a colour file (P3, P6), false for a
    // black-and-white one. The player's chooser follows it.
    std::optional<bool> colorFile;

    bool loaded() const { return status == LoadStatus::Loaded; }
};

// The maker's status lines after a file was opened (or imported) and after it
// was saved: "The file " + path + " has been opened." and "... saved.", in
// `language`.
std::string fileOpenedStatus(Language language, const std::string& path);
std::string fileSavedStatus(Language language, const std::string& path);

// Reads the puzzle file at `path` (the file system's bytes) into `puzzle`.
// Only a regular file is read, and opening it never blocks.
// Unless the status is NoFile, all 2500 cells are set white first.
// In every case, also NoFile, the reader ends by setting changed to
// false. Messages are in `language` (English unless told).
// A larger file is reduced in the maker: the longer side becomes 50, the other
// side and every pixel position are scaled and rounded halves to even, and the
// last pixel read for a cell wins.
LoadResult readPuzzleFile(Puzzle& puzzle, const std::string& path, ReaderVariant variant,
                          Language language = Language::English);

// The same reader over data already open (tests, the fuzz target). `path`
// gives the names and the message titles; nothing is checked on disk. The
// title of line 2 is read by seeking `data` back to its start; data that
// cannot seek gives an empty title.
LoadResult readPuzzleData(Puzzle& puzzle, std::streambuf& data, const std::string& path, ReaderVariant variant,
                          Language language = Language::English);

// The title stored on line 2 (lines end at CR, CR LF or LF): the rest of the
// line after "# Puzzle Title: " (case-sensitive), else empty.
std::string titleFromSecondLine(std::streambuf& data);

// The bytes savePbm writes for a black-and-white puzzle: "P4" CR LF, the
// comment line ("# Puzzle Title: " + title, or "# Made with Gridwick Puzzle
// Maker") CR LF, width " " height CR, then each row packed 8 cells a byte,
// most significant bit first, 1 for every cell that is not white. A line
// break inside the title is written as a blank, so the header stays intact.
std::string pbmBytes(const Puzzle& puzzle);

// The bytes savePpm writes: "P6" CR LF, the comment line CR LF, width " "
// height CR LF, "1" CR, then three bytes (0 or 1) a cell.
std::string ppmBytes(const Puzzle& puzzle);

// Outcome of a save. On failure `message` is the one to show
// (ErrorSaving, the path as title, critical icon) and `reason` a plain
// English account for logs and the command-line tool.
struct SaveResult {
    bool ok = false;
    Message message;
    std::string reason;
};

// Saves the puzzle as P4, or as P6 when isColor is set (the extension of
// `path` plays no part). The file is written completely to a temporary file
// beside `path` and then renamed over it, so a failure leaves any previous
// file untouched. On success changed becomes false; on failure it keeps
// its value. The caller shows the status line (fileSavedStatus) and adds the
// path to the recent list on success, or shows `message` (in `language`) on failure.
SaveResult savePbm(Puzzle& puzzle, const std::string& path, Language language = Language::English);

// Saves the puzzle as P6, whatever its colour mode; otherwise as savePbm.
SaveResult savePpm(Puzzle& puzzle, const std::string& path, Language language = Language::English);

} // namespace gw
