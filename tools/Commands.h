#pragma once
// The subcommands of gridwick-cli. Each takes its command line as the
// table's parser has checked it, writes its results to `out` and its notices
// and errors to `err`, and returns the process exit code (0 success, 1
// failure, 2 wrong usage).
// Add a subcommand by writing its run function in a file of its own (or
// beside a close relative), declaring it here and adding one line to the
// table in CommandTable.cpp: its name, options and operands, from which the
// parser and the usage text follow.
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/Puzzle.h"

namespace gw {
struct SaveResult;
}

namespace gw::cli {

using Arguments = std::vector<std::string>;

// One subcommand's command line once the parser has checked it against the
// table: every option is one the subcommand knows, with its value where it
// takes one, and the count of operands fits the subcommand's usage line.
struct Invocation {
    std::string command;                                     // the subcommand's name, e.g. "check"
    std::map<std::string, std::string, std::less<>> options; // "--stats" -> "" (a flag) or the value
    Arguments operands;                                      // in the order given
    bool has(std::string_view option) const;
};

// gridwick-cli with `words`, the program's arguments after its name:
// dispatches to the subcommand named first. No words, an unknown subcommand,
// an option the subcommand does not know, a value missing or too few or too
// many operands write the problem and the usage to `err` and return 2.
// "--help"/"-h" and "--version"/"-v" (also after a subcommand's name, for its
// usage line) answer on `out` and return 0.
// A subcommand the table lists with no run function (one that needs more
// than the puzzle core, such as QtGui's picture decoders) runs the function
// `added` holds under its name; without one it says so on `err` and returns 1.
using RunFunction = int (*)(const Invocation& args, std::ostream& out, std::ostream& err);
using AddedCommands = std::map<std::string, RunFunction, std::less<>>;
int runCommandLine(const Arguments& words, std::ostream& out, std::ostream& err, const AddedCommands& added = {});

// For a subcommand that finds its operands wrong after the parser's checks
// (an output file's extension): writes "gridwick-cli NAME: " + `problem` and
// the subcommand's usage line to `err`; returns 2.
int wrongUsage(const Invocation& invocation, const std::string& problem, std::ostream& err);

// clues FILE: loads FILE as the maker does and prints its size, title and the
// clue of every row and column.
int runClues(const Invocation& args, std::ostream& out, std::ostream& err);

// convert IN OUT: loads IN as the maker does and saves it to OUT as the maker
// does (P4 or P6, with the title).
int runConvert(const Invocation& args, std::ostream& out, std::ostream& err);

// check [--stats] [--trace] FILE...: runs the computer test on each file to
// its end and prints one tab-separated line a file: FILE, verdict (solved,
// stuck, limits), KNOWN/TOTAL, WRONG, sweeps, regenerations, milliseconds;
// --stats adds the largest placement list, the longest step in milliseconds
// and the peak memory in KB; --trace follows each line with every cell write
// as x,y,v. An unreadable file prints FILE, "error" and the reason. Exit 0
// when every file was read, else 1.
int runCheck(const Invocation& args, std::ostream& out, std::ostream& err);

// analyze [--unique] [--grade] FILE...: analyses each file and prints one
// tab-separated line a file: FILE, whether line logic alone solves it (yes,
// no), whether its solution is unique (yes, no, unknown when the search ran
// out of its budget; "-" without --unique or --grade), the cells line logic
// leaves open, the milliseconds and, with --grade, the difficulty grade
// (easy, medium, hard, search, ambiguous, unknown). An unreadable file prints FILE, "error" and the
// reason. Exit 0 when every file was read, else 1.
int runAnalyze(const Invocation& args, std::ostream& out, std::ostream& err);

// fix [--line] IN OUT: loads IN, looks for a few cell changes after which
// the puzzle is unique (with --line: solvable by line logic alone) within
// 5 s, saves the changed picture to OUT as convert does and prints one line
// a changed cell: "x y colour", 1-based coordinates and the palette index.
// A puzzle already there is saved unchanged, with a notice. Exit 3 with an
// error when no fix was found in time.
int runFix(const Invocation& args, std::ostream& out, std::ostream& err);

// export IN OUT: loads IN as the maker does and writes its clues, title and
// picture to OUT as webpbn XML (OUT ends in .xml) or .non (OUT ends in .non;
// black and white only).
int runExport(const Invocation& args, std::ostream& out, std::ostream& err);

// import IN OUT: reads the clue file IN (webpbn XML or .non) as the maker's
// Import Clues does, solving bare clues when they have one solution, and
// saves the picture to OUT: .pbm (black and white) or .ppm. The messages go
// to `err` as "notice: " + text, the failure as "error: " + text.
int runImport(const Invocation& args, std::ostream& out, std::ostream& err);

// generate [--size WxH] [--colors N] [--grade easy|medium|hard] [--code CODE]
// OUT: writes a new puzzle with one solution and that difficulty grade
// (RandomPuzzle.h; default 15x15, 2 colours = black and white, medium, a
// seed from the clock), or the puzzle of CODE, to OUT (.pbm for black and
// white, else .ppm) and prints its code. One code always writes the same
// bytes.
int runGenerate(const Invocation& args, std::ostream& out, std::ostream& err);

// Everything the tool prints from a file name, a title or a message passes
// through printable(): control characters (also tab and line breaks) and
// bytes that are not well-formed UTF-8 become escapes such as "\x1b", "\t",
// "\n"; the C1 controls U+0080..U+009F and the invisible format characters
// (bidirectional controls such as U+202E, zero-width characters, the line
// and paragraph separators) become "\u202e" (or "\U000e0001"); a backslash
// becomes "\\". So no file can send escape sequences to the terminal, make
// a name read backwards or break a tab-separated line. Other well-formed
// UTF-8 text is kept.
std::string printable(std::string_view text);

// Loads `path` as the maker does, with English messages. Every notice goes to
// `err` as "notice: " + text; a failure as "error: " + path + ": " + the
// message and, in parentheses, the reason (the system's strerror where the
// file could not be opened or read); a file that was not read at all (none of
// that name, a folder) gives the reason alone. Returns true when the puzzle
// was loaded.
bool loadAsMaker(const std::string& path, Puzzle& puzzle, std::ostream& err);

// A save (or export) to `path` that failed, on `err`: "error: " + path + ": "
// + the message and, in parentheses, the reason.
void reportFailedSave(const std::string& path, const SaveResult& saved, std::ostream& err);

// Saves the puzzle to `path` as the maker does: P6 when `path` ends in .ppm,
// else P4, which a colour puzzle may not be (an error on `err`); a failed save
// as reportFailedSave reports it. Returns the exit code, 0 or 1.
int savePicture(Puzzle& puzzle, const std::string& path, std::ostream& err);

// For the commands that report one line a file: loads each of `files` as
// loadAsMaker does and hands it to `report` with the file's printable name.
// Notices go to `err` as "FILE: notice: TEXT"; a file that cannot be read gets
// the line "FILE<tab>error<tab>REASON" in `out`, REASON as in loadAsMaker's
// error line. Returns 0 when every file was read, else 1.
int reportEachFile(const Arguments& files, std::ostream& out, std::ostream& err,
                   const std::function<void(const std::string&, const Puzzle&)>& report);

} // namespace gw::cli
