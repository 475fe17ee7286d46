#pragma once
// Shared pieces of the editor tests: grids written as strings, and a main
// window started in a scratch program folder with scripted dialogs.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "core/Puzzle.h"
#include "editor/Form1.h"
#include "platform/testing/FakePlatform.h"

namespace gw::editor::testing {

// Rows of cells, one character a cell: "." white, "#" black, R red, B blue,
// Y yellow, G green, M magenta, A aqua. Sets the size to the drawing's and
// leaves every other cell white.
void drawGrid(Puzzle& puzzle, const QStringList& rows);
// The cells in use written the same way.
QStringList gridRows(const Puzzle& puzzle);

// A maker window over a scratch folder, with fakes that answer its dialogs.
struct Maker {
    QTemporaryDir folder;
    Puzzle puzzle;
    platform::testing::FakePlatform fake;
    std::unique_ptr<Form1> form;

    // `languageByte`: contents of lang.ini; -1 for no lang.ini (first run,
    // whose thanks message the kit answers). A printer is installed so the
    // start-up shows no printer message unless `withPrinter` is false (then
    // the kit answers that message too).
    explicit Maker(int languageByte = 0, bool withPrinter = true);
    ~Maker();
    QString path(const QString& name) const;
    // Writes `bytes` to a file of the scratch folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes);
    // Sizes the window so that the grid's free area is `free` pixels (500 x 400
    // gives a 25 x 25 puzzle 16 pixels a cell) and waits for the layout.
    void setFreeArea(QSize free);
    // Writes a puzzle file (P1 for black and white, P3 for colour) and returns its path.
    QString writePuzzleFile(const QString& name, const QStringList& rows);
};

} // namespace gw::editor::testing
