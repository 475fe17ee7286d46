#pragma once
// The command line of the two window programs, read by QCommandLineParser in
// two steps so that main() stays a few lines:
//   1. before the QApplication exists, answerInformationOptions answers
//      --help and --version (these work without a display);
//   2. after it (Qt has then taken its own options such as -platform NAME),
//      readStartArguments finds the puzzle file to open at start.
// identifyApplication gives the running program its name, desktop entry and
// window icon.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <ostream>

class QWidget;

namespace gw::platform {

// What a program says about itself on the command line and to the desktop.
struct ProgramDescription {
    const char* command;         // the command's name, e.g. "puzzler"
    const char* summary;         // one line on what the program does
    const char* applicationName; // the name Qt keeps, e.g. "Gridwick Puzzler"
    const char* desktopId;       // the desktop entry and icon name, without ".desktop"
    const char* fileHelp;        // what FILE may be, in the help text
};

// When `arguments` (argv[1..], before Qt has seen them) hold -h/--help or
// -v/--version, writes the help or the version line to `out` and returns the
// exit status 0; otherwise nothing (the program starts). Arguments after "--"
// are file names, never options.
std::optional<int> answerInformationOptions(const QStringList& arguments, const ProgramDescription& program,
                                            std::ostream& out);
// The same for main's argc/argv, writing to standard output.
std::optional<int> answerInformationOptions(int argc, const char* const* argv, const ProgramDescription& program);

struct StartArguments {
    QString file;                  // absolute path of the puzzle to open at start; empty: none
    std::optional<int> exitStatus; // set on a usage error: the program ends with it
};

// `arguments` as QCoreApplication::arguments() hands them over (program name
// first, Qt's own options removed). One file at most; an option we do not
// know or a second file is a usage error, reported on `err` with the usage
// line (exit status 2). A file name that starts with "-" follows "--".
StartArguments readStartArguments(const QStringList& arguments, const ProgramDescription& program, std::ostream& err);

// main's argc/argv once the QApplication has taken its own options out of
// them, as readStartArguments wants them: each argument is a path's bytes
// (pathFromBytes), so a file name that is not UTF-8 opens unchanged.
// QCoreApplication::arguments() would turn its odd bytes into U+FFFD.
QStringList argumentsAsPaths(int argc, const char* const* argv);

// Runs `step` once, from the event loop, when the shown `window` is first
// exposed on the screen: by then it has the size the desktop gave it (the
// player lays a puzzle out for the area it has when the puzzle is opened).
void whenFirstExposed(QWidget& window, std::function<void()> step);

// Application name, desktop file name (so that the desktop matches windows
// to their menu entry) and the window icon from the icon theme (none when the
// program is not installed). Call once, after the QApplication exists.
void identifyApplication(const ProgramDescription& program);

} // namespace gw::platform
