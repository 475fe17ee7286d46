// Takes the documentation screenshots of the test window (during and after a
// computer test) and of the print dialog with its preview. Run it under a
// display (Xvfb):
//   xvfb-run -s "-screen 0 1600x1000x24" make_screenshots <puzzle file> <folder>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "core/PuzzleFile.h"
#include "platform/testing/FakePlatform.h"
#include "print/PrintDialog.h"
#include "trialwindow/PrintAndTestWindows.h"
#include "trialwindow/TrialWindow.h"

namespace {
int knownCells(gw::TrialWindow& test, const gw::Puzzle& puzzle)
{
    int known = 0;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            known += test.knowledge().state(x, y) != 0;
    return known;
}

bool save(QWidget& window, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_screenshots <puzzle file> <folder>\n");
        return 2;
    }
    gw::Puzzle puzzle;
    gw::Session session;
    if (!gw::readPuzzleFile(puzzle, argv[1], gw::ReaderVariant::Maker).loaded()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    // The data files beside the programs (the unmarked-cell look among them).
    session.programFolder = GRIDWICK_BIN_DIR "/";
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    gw::platform::testing::FakePlatform fake;
    gw::PrintAndTestWindows windows(puzzle, session, fake.platform(), {});
    gw::TrialWindow& test = windows.testWindow();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        test.resize(screen->availableGeometry().size() - QSize(20, 40));
    windows.openTestWindow();
    fake.messages.answer(gw::platform::Answer::No);
    test.startTest();
    // Step by hand to the middle of the first column pass, then let the timer run.
    test.stepTimer()->stop();
    while (test.driver().isStepping() && (test.driver().passIsRows() || test.driver().passLine() < puzzle.width / 2))
        test.driver().tick();
    std::printf("%d cells known mid-test\n", knownCells(test, puzzle));
    app.processEvents();
    bool ok = save(test, folder, "testwindow-running.png");
    if (test.driver().isStepping())
        test.stepTimer()->start();
    while (test.testRunning() || test.driver().isBusy())
        app.processEvents(QEventLoop::AllEvents, 10);
    app.processEvents();
    ok = save(test, folder, "testwindow-finished.png") && ok;

    // The dialog opens at its own size, every control and the preview whole.
    gw::PrintDialog& print = windows.printDialog();
    puzzle.title = puzzle.title.empty() ? "Mosaic" : puzzle.title;
    windows.openPrintDialog();
    for (int i = 0; i < 20; ++i)
        app.processEvents(QEventLoop::AllEvents, 10);
    ok = save(print, folder, "print-dialog.png") && ok;
    return ok ? 0 : 1;
}
