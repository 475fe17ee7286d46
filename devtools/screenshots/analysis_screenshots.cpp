// Takes the documentation screenshots of puzzle analysis: the test window
// after Analyse with each of its four verdicts, and the maker's main window
// with Edit > Show solvability on. Run it under a display (Xvfb) from the
// folder of the programs (its data files and Puzzles/ are read from the
// current folder, whose path the maker's status line shows):
//   cd build/bin && xvfb-run -s "-screen 0 1000x700x24" ../tools-build/analysis_screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "core/PuzzleFile.h"
#include "editor/MakerWindow.h"
#include "editor/SolvabilityOverlay.h"
#include "platform/testing/FakePlatform.h"
#include "trialwindow/AnalysisPanel.h"
#include "trialwindow/PrintAndTestWindows.h"
#include "trialwindow/TrialWindow.h"

namespace {

bool save(QWidget& window, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void settle(QApplication& app)
{
    for (int i = 0; i < 20; ++i)
        app.processEvents(QEventLoop::AllEvents, 10);
}

// The test window on `file` after Analyse, with at most `budgetMs` of work.
bool testWindowShot(QApplication& app, const QDir& folder, const char* file, double budgetMs, const char* shot)
{
    gw::Puzzle puzzle;
    gw::Session session;
    session.programFolder = QDir::currentPath().toStdString() + "/";
    if (!gw::readPuzzleFile(puzzle, session.programFolder + "Puzzles/" + file, gw::ReaderVariant::Maker).loaded()) {
        std::fprintf(stderr, "cannot read %s\n", file);
        return false;
    }
    gw::platform::testing::FakePlatform fake;
    gw::PrintAndTestWindows windows(puzzle, session, fake.platform(), {});
    gw::TrialWindow& test = windows.testWindow();
    windows.openTestWindow();
    gw::analysis::AnalysisOptions options;
    options.maxMilliseconds = budgetMs;
    test.analysis().setOptions(options);
    test.analysis().button()->click();
    while (test.analysis().running())
        app.processEvents(QEventLoop::AllEvents, 10);
    settle(app);
    std::printf("%s: %s\n", file, qPrintable(test.analysis().verdictText()));
    return save(test, folder, QString::fromLatin1(shot));
}

bool makerShot(QApplication& app, const QDir& folder, const char* file)
{
    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::testing::FakePlatform fake;
    QTemporaryDir settings;
    gw::editor::MakerWindowSetup setup;
    setup.programFolder = QDir::currentPath() + QLatin1Char('/');
    setup.settingsFolder = settings.path() + QLatin1Char('/');
    fake.messages.answer(gw::platform::Answer::Ok); // the thanks of a first run
    fake.messages.answer(gw::platform::Answer::Ok); // no printer
    gw::editor::MakerWindow window(puzzle, session, fake.platform(), setup);
    window.start();
    window.resize(900, 640);
    window.show();
    window.loadFile(setup.programFolder + QLatin1String("Puzzles/") + QLatin1String(file));
    window.solvability().action()->trigger();
    while (window.solvability().checking())
        app.processEvents(QEventLoop::AllEvents, 10);
    settle(app);
    std::printf("%s: %s\n", file, qPrintable(window.solvabilityText()));
    const bool ok = save(window, folder, QStringLiteral("maker-solvability.png"));
    puzzle.PuzzleChanged = false;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: analysis_screenshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = testWindowShot(app, folder, "fish.ppm", 10000, "analysis-by-logic.png");
    ok = testWindowShot(app, folder, "flower.ppm", 10000, "analysis-needs-guessing.png") && ok;
    ok = testWindowShot(app, folder, "target.pbm", 10000, "analysis-not-unique.png") && ok;
    // Its search takes about half a second; a budget of 50 ms cannot decide it.
    ok = testWindowShot(app, folder, "target.pbm", 50, "analysis-undecided.png") && ok;
    ok = makerShot(app, folder, "flower.ppm") && ok;
    return ok ? 0 : 1;
}
