// Takes the documentation screenshots of puzzle analysis: the test window
// after Analyse with each of its four verdicts, the maker's main window
// with Edit > Show solvability on, and Suggest Fix on a photo import
// (docs/screenshots/hillside-photo.png): the maker before, the test window
// with the suggested cells marked, the maker after Apply. Run it under a display (Xvfb) from the
// folder of the programs (its data files and Puzzles/ are read from the
// current folder, whose path the maker's status line shows):
//   cd build/bin && xvfb-run -s "-screen 0 1000x700x24" ../tools-build/analysis_screenshots <folder> [language]
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/PuzzleFile.h"
#include "editor/FixSuggestion.h"
#include "editor/MakerWindow.h"
#include "editor/SolvabilityOverlay.h"
#include "editor/SuggestFixAction.h"
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

// The test window on `puzzle` (named `file`) after Analyse within `options`' budgets.
bool testWindowShot(QApplication& app, const QDir& folder, gw::Puzzle puzzle, const char* file,
                    gw::analysis::AnalysisOptions options, const char* shot)
{
    gw::Session session;
    session.programFolder = QDir::currentPath().toStdString() + "/";
    gw::platform::testing::FakePlatform fake;
    gw::PrintAndTestWindows windows(puzzle, session, fake.platform(), {});
    gw::TrialWindow& test = windows.testWindow();
    windows.openTestWindow();
    options.gradeDifficulty = true;
    test.analysis().setOptions(options);
    test.analysis().button()->click();
    while (test.analysis().running())
        app.processEvents(QEventLoop::AllEvents, 10);
    settle(app);
    std::printf("%s: %s\n", file, qPrintable(test.analysis().verdictText()));
    return save(test, folder, QString::fromLatin1(shot));
}

// The test window on the sample `file` after Analyse with the window's budget.
bool testWindowShot(QApplication& app, const QDir& folder, const char* file, const char* shot)
{
    gw::Puzzle puzzle;
    const std::string path = QDir::currentPath().toStdString() + "/Puzzles/" + file;
    if (!gw::readPuzzleFile(puzzle, path, gw::ReaderVariant::Maker).loaded()) {
        std::fprintf(stderr, "cannot read %s\n", file);
        return false;
    }
    return testWindowShot(app, folder, puzzle, file, {}, shot);
}

// Diagonal stripes one cell wide in black, red and white: unique, but from
// about 25 x 25 on no search proves it in a few seconds.
gw::Puzzle diagonalStripes(int side)
{
    gw::Puzzle puzzle;
    puzzle.width = puzzle.height = static_cast<std::int16_t>(side);
    puzzle.isColor = true;
    const std::uint8_t cycle[] = {gw::White, gw::Black, gw::Red};
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            puzzle.cell(x, y) = cycle[(x + y) % 3];
    return puzzle;
}

// The maker's main window on a fresh setup, shown, its start-up messages answered.
struct MakerRig {
    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::testing::FakePlatform fake;
    QTemporaryDir settings;
    std::unique_ptr<gw::editor::MakerWindow> window;

    MakerRig(int width, int height)
    {
        gw::editor::MakerWindowSetup setup;
        setup.programFolder = QDir::currentPath() + QLatin1Char('/');
        setup.settingsFolder = settings.path() + QLatin1Char('/');
        fake.messages.answer(gw::platform::Answer::Ok); // the thanks of a first run
        fake.messages.answer(gw::platform::Answer::Ok); // no printer
        window = std::make_unique<gw::editor::MakerWindow>(puzzle, session, fake.platform(), setup);
        window->start();
        window->resize(width, height);
        window->show();
    }
    ~MakerRig() { puzzle.changed = false; }
    // Show solvability on, its search finished.
    void showSolvability(QApplication& app)
    {
        window->solvability().action()->trigger();
        while (window->solvability().checking())
            app.processEvents(QEventLoop::AllEvents, 10);
        settle(app);
    }
};

bool makerShot(QApplication& app, const QDir& folder, const char* file)
{
    MakerRig maker(900, 640);
    maker.window->loadFile(QDir::currentPath() + QLatin1String("/Puzzles/") + QLatin1String(file));
    maker.showSolvability(app);
    std::printf("%s: %s\n", file, qPrintable(maker.window->solvabilityText()));
    return save(*maker.window, folder, QStringLiteral("maker-solvability.png"));
}

// Suggest Fix before and after, on a black-and-white import of a photo.
bool fixShots(QApplication& app, const QDir& folder, const QString& photo, gw::Language language)
{
    MakerRig maker(1000, 700);
    gw::editor::MakerWindow& window = *maker.window;
    window.applyLanguage(language);
    gw::platform::testing::FakePlatform& fake = maker.fake;
    window.importFile(photo);
    fake.messages.clear();
    maker.showSolvability(app);
    std::printf("before: %s\n", qPrintable(window.solvabilityText()));
    bool ok = save(window, folder, QStringLiteral("fix-before.png"));

    // The test window: Analyse, then Suggest fix beside the verdict.
    gw::PrintAndTestWindows windows(maker.puzzle, maker.session, fake.platform(), {});
    gw::TrialWindow& test = windows.testWindow();
    windows.openTestWindow();
    test.analysis().button()->click();
    while (test.analysis().running())
        app.processEvents(QEventLoop::AllEvents, 10);
    test.analysis().fixButton()->click();
    while (test.analysis().fix().running())
        app.processEvents(QEventLoop::AllEvents, 10);
    settle(app);
    std::printf("test window: %s\n", qPrintable(test.analysis().verdictText()));
    ok = save(test, folder, QStringLiteral("fix-suggested.png")) && ok;
    test.close();

    // Edit > Suggest Fix in the maker, answered Yes: applied.
    fake.messages.answer(gw::platform::Answer::Yes);
    window.suggestFix().action()->trigger();
    while (fake.messages.unanswered() > 0)
        app.processEvents(QEventLoop::AllEvents, 10);
    while (window.solvability().checking())
        app.processEvents(QEventLoop::AllEvents, 10);
    settle(app);
    std::printf("after: %s | %s\n", qPrintable(window.statusText()), qPrintable(window.solvabilityText()));
    return save(window, folder, QStringLiteral("fix-after.png")) && ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: analysis_screenshots <folder> [language]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The Suggest Fix shots in another language: 1 Dutch, 2 Italian.
    const gw::Language language = gw::languageFromByte(static_cast<std::uint8_t>(argc > 2 ? std::atoi(argv[2]) : 0));
    bool ok = testWindowShot(app, folder, "fish.ppm", "analysis-by-logic.png");
    ok = testWindowShot(app, folder, "flower.ppm", "analysis-needs-guessing.png") && ok;
    ok = testWindowShot(app, folder, "target.pbm", "analysis-not-unique.png") && ok;
    // A budget of nodes, not of time, so that every machine stops at the same point.
    gw::analysis::AnalysisOptions nodes;
    nodes.maxNodes = 200000;
    nodes.maxMilliseconds = 0;
    ok = testWindowShot(app, folder, diagonalStripes(29), "stripes", nodes, "analysis-undecided.png") && ok;
    ok = makerShot(app, folder, "flower.ppm") && ok;
    ok = fixShots(app, folder, QStringLiteral(GRIDWICK_SOURCE_DIR "/docs/screenshots/hillside-photo.png"), language)
         && ok;
    return ok ? 0 : 1;
}
