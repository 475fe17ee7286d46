// gridwick, the puzzle maker: builds the objects and runs the event loop.
#include <QApplication>
#include <iostream>

#include "core/AtomicFile.h"
#include "core/Paths.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "editor/MakerWindow.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/CommandLine.h"
#include "platform/FilePaths.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsFolder.h"
#include "platform/WindowFit.h"
#include "trialwindow/PrintAndTestWindows.h"

namespace {
const gw::platform::ProgramDescription Maker {
    "gridwick",
    "Gridwick Puzzle Maker: draw nonograms (paint-by-number puzzles), save them as PBM or PPM,\n"
    "make them from pictures, print them and test whether logic alone solves them.",
    "Gridwick Puzzle Maker", "org.example.gridwick.maker", "a puzzle file (.pbm or .ppm) to open at start"};
} // namespace

int main(int argc, char* argv[])
{
    gw::ignoreFileSizeSignal();
    if (const auto status = gw::platform::answerInformationOptions(argc, argv, Maker))
        return *status;
    QApplication app(argc, argv);
    gw::platform::identifyApplication(Maker);
    const auto start = gw::platform::readStartArguments(gw::platform::argumentsAsPaths(argc, argv), Maker, std::cerr);
    if (start.exitStatus)
        return *start.exitStatus;
    // Every window keeps inside the screen's available area.
    const auto onScreen = gw::platform::keepWindowsOnScreen();

    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::QtPlatform platform;
    gw::platform::QtTranslations qtTexts;
    gw::editor::MakerWindowSetup setup;
    setup.programFolder = gw::platform::pathFromBytes(
        gw::withTrailingSeparator(gw::platform::pathBytes(QCoreApplication::applicationDirPath())));
    const gw::platform::SettingsPlace settings = gw::platform::findSettingsFolder(setup.programFolder);
    setup.settingsFolder = settings.folder;

    gw::editor::MakerWindow window(puzzle, session, platform.platform(), setup);
    platform.setParentWindow(&window);
    QObject::connect(&window, &gw::editor::MakerWindow::languageApplied, &window,
                     [&qtTexts](gw::Language language) { qtTexts.apply(language); });
    window.start();

    // The print dialog and the test window, created hidden; the main window's
    // "Print Puzzle" and "Test Puzzle" items open them.
    const auto secondary = gw::attachPrintAndTestWindows(window, puzzle, session);
    if (!start.file.isEmpty())
        window.loadFile(start.file);
    window.show();
    gw::platform::tellSettingsProblemOnce(
        settings, platform.platform().messages,
        QString::fromStdString(gw::chooseText(session.language, gw::txt::ProductMaker)), session.language);
    return app.exec();
}
