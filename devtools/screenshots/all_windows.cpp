// Renders every window of both programs into PNG files, in each language, from
// fixed inputs and scripted dialogs, so that two builds can be compared pixel
// for pixel (e.g. before and after a change that must not alter what users see).
//   QT_QPA_PLATFORM=offscreen all_windows <colour puzzle> <black-and-white puzzle> <folder>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "core/Puzzle.h"
#include "core/Session.h"
#include "editor/MakerWindow.h"
#include "editor/NewPuzzleDialog.h"
#include "editor/SizeDialog.h"
#include "platform/testing/FakePlatform.h"
#include "player/PlayerWindow.h"
#include "player/SolutionWindow.h"
#include "print/PrintDialog.h"
#include "trialwindow/PrintAndTestWindows.h"
#include "trialwindow/TrialWindow.h"

namespace {
bool g_ok = true;

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void save(QWidget& window, const QDir& folder, const QString& name)
{
    settle();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    g_ok = g_ok && ok;
}

void makerWindows(const QString& puzzleFile, const QString& tag, const QString& programFolder, const QDir& out)
{
    QTemporaryDir settings;
    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::testing::FakePlatform fake;
    fake.printers.install({QStringLiteral("Office")}, QStringLiteral("Office"));
    gw::editor::MakerWindowSetup setup {programFolder, settings.path() + QStringLiteral("/")};
    gw::editor::MakerWindow main(puzzle, session, fake.platform(), setup);
    main.start();
    const auto windows = gw::attachPrintAndTestWindows(main, puzzle, session);
    main.resize(900, 700);
    main.show();
    main.loadFile(puzzleFile);
    for (const gw::Language language : gw::allLanguages) {
        const QString lang =
            tag + QStringLiteral("-") + QString::number(gw::languageByte(language)) + QStringLiteral("-");
        main.applyLanguage(language);
        save(main, out, lang + QStringLiteral("maker"));
        main.sizeCommand();
        save(main.sizeDialog(), out, lang + QStringLiteral("size-dialog"));
        main.sizeDialog().hide();
        main.newDialog().show();
        save(main.newDialog(), out, lang + QStringLiteral("new-dialog"));
        main.newDialog().hide();

        gw::TrialWindow& test = windows->testWindow();
        test.resize(1000, 800);
        windows->openTestWindow();
        save(test, out, lang + QStringLiteral("test-window"));
        fake.messages.answer(gw::platform::Answer::No);
        test.startTest();
        while (test.testRunning() || test.driver().isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        save(test, out, lang + QStringLiteral("test-window-finished"));
        test.hide();

        // The dialog opens at its own size, every control and the preview whole.
        gw::PrintDialog& print = windows->printDialog();
        windows->openPrintDialog();
        save(print, out, lang + QStringLiteral("print-dialog"));
        print.hide();
    }
}

void playerWindows(const QString& puzzleFile, const QString& tag, const QString& programFolder, const QDir& out)
{
    QTemporaryDir settings;
    gw::Puzzle puzzle;
    gw::Session session;
    session.programFolder = programFolder.toStdString();
    gw::platform::testing::FakePlatform fake;
    gw::player::PlayerWindow window(puzzle, session, fake.platform(), settings.path() + QStringLiteral("/"));
    window.start();
    window.resize(900, 700);
    window.show();
    window.loadFile(puzzleFile);
    for (const gw::Language language : gw::allLanguages) {
        const QString lang =
            tag + QStringLiteral("-") + QString::number(gw::languageByte(language)) + QStringLiteral("-");
        window.applyLanguage(language);
        save(window, out, lang + QStringLiteral("player"));
        window.showErrors();
        save(window, out, lang + QStringLiteral("player-errors"));
        window.giveSolution();
        save(window.solutionWindow(), out, lang + QStringLiteral("solution"));
        window.solutionWindow().hide();
        window.resetPlayField();
    }
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: all_windows <colour puzzle> <black-and-white puzzle> <folder>\n");
        return 2;
    }
    const QString programFolder = QStringLiteral(GRIDWICK_BIN_DIR "/");
    const QDir out(QString::fromLocal8Bit(argv[3]));
    const QString files[2] = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const QString tags[2] = {QStringLiteral("colour"), QStringLiteral("bw")};
    for (int i = 0; i < 2; ++i) {
        makerWindows(files[i], tags[i], programFolder, out);
        playerWindows(files[i], tags[i], programFolder, out);
    }
    return g_ok ? 0 : 1;
}
