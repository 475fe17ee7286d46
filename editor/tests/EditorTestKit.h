#pragma once
// Shared pieces of the editor tests: grids written as strings, and a main
// window started in a scratch program folder with scripted dialogs.
#include <QAction>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "core/Puzzle.h"
#include "editor/MakerWindow.h"
#include "platform/testing/FakePlatform.h"

namespace gw::editor::testing {

using platform::Answer;
using platform::testing::DialogKind;

// The status bar's text after a start in English.
inline const QString Welcome =
    QStringLiteral("Welcome to Gridwick Puzzle Maker, the program to create Japanese Puzzles.");

// Rows of cells, one character a cell: "." white, "#" black, R red, B blue,
// Y yellow, G green, M magenta, A aqua. Sets the size to the drawing's and
// leaves every other cell white.
void drawGrid(Puzzle& puzzle, const QStringList& rows);
// The cells of `area` (the cells in use when empty) written the same way.
QStringList gridRows(const Puzzle& puzzle, QSize area = {});
// The colour a palette index is shown in.
QColor shownColor(std::uint8_t index);
QByteArray readAll(const QString& path);
// Writes `bytes` to `path`; the test fails when that cannot be done.
void writeBytes(const QString& path, const QByteArray& bytes);

// A baseline greyscale JPEG of `size` (up to 65535 a side) made of flat
// 8 x 8 blocks, block (bx, by) of grey level gray(bx, by) (0..255). It is
// written straight from the blocks, never holding the pixels: a 20000 x 20000
// picture takes about 2 MB and a moment to make.
QByteArray blockJpeg(QSize size, const std::function<int(int bx, int by)>& gray);

// A maker window over a scratch folder, with fakes that answer its dialogs.
// Every scripted answer must be used by the end of the test.
struct Maker {
    QTemporaryDir folder;
    Puzzle puzzle;
    Session session;
    platform::testing::FakePlatform fake;
    std::unique_ptr<MakerWindow> window;

    // `langIniByte`: contents of lang.ini; -1 for no lang.ini (first run,
    // whose thanks message the kit answers). A printer is installed so the
    // start-up shows no printer message unless `withPrinter` is false (then
    // the kit answers that message too).
    explicit Maker(int langIniByte = 0, bool withPrinter = true);
    ~Maker();
    QString path(const QString& name) const;
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    // Message number `index` shown so far (negative: from the end) as
    // "<icon> <buttons> | <title> | <text>", or "none".
    QString message(int index = 0) const;
    // Writes `bytes` to a file of the scratch folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes);
    // Sizes the window so that the grid's free area is 500 x 400 pixels: a
    // 25 x 25 puzzle gets 16 pixels a cell.
    void makeZoom16();
};

// A maker started on folders of the test's choosing (the kit's Maker keeps
// its settings beside the program, in a folder of its own); `settingsFolder`
// empty keeps them in `programFolder` too. It expects no message at start.
struct OwnMaker {
    OwnMaker(const QString& programFolder, const QString& settingsFolder);
    Puzzle puzzle;
    Session session;
    platform::testing::FakePlatform fake;
    std::unique_ptr<MakerWindow> window;
};

} // namespace gw::editor::testing
