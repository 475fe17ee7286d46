// puzzler, the Gridwick player: builds the main window and runs the event loop.
#include <QApplication>
#include <iostream>

#include "core/AtomicFile.h"
#include "core/Paths.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/CommandLine.h"
#include "platform/FilePaths.h"
#include "platform/QtPlatform.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsFolder.h"
#include "platform/WindowFit.h"
#include "player/PlayerWindow.h"

namespace {
const gw::platform::ProgramDescription Player {
    "puzzler", "Gridwick Puzzler: solve nonograms (paint-by-number puzzles) saved as PBM or PPM.", "Gridwick Puzzler",
    "org.example.gridwick.puzzler", "a puzzle file (.pbm, .ppm) or a clue file (.xml, .non) to open at start"};
} // namespace

int main(int argc, char** argv)
{
    gw::ignoreFileSizeSignal();
    if (const auto status = gw::platform::answerInformationOptions(argc, argv, Player))
        return *status;
    QApplication app(argc, argv);
    gw::platform::identifyApplication(Player);
    const auto start = gw::platform::readStartArguments(gw::platform::argumentsAsPaths(argc, argv), Player, std::cerr);
    if (start.exitStatus)
        return *start.exitStatus;
    // Every window keeps inside the screen's available area.
    const auto onScreen = gw::platform::keepWindowsOnScreen();

    gw::platform::QtPlatform platform;
    gw::platform::QtTranslations qtTexts;
    gw::Puzzle puzzle;
    gw::Session session;
    session.programFolder = gw::withTrailingSeparator(gw::platform::pathBytes(QCoreApplication::applicationDirPath()));
    const gw::platform::SettingsPlace settings =
        gw::platform::findSettingsFolder(gw::platform::pathFromBytes(session.programFolder));
    gw::player::PlayerWindow window(puzzle, session, platform.platform(), settings.folder);
    platform.setParentWindow(&window);
    // Progress is the user's alone: never beside the programs, even in a copy
    // whose settings are kept there.
    window.setProgressFolder(gw::platform::findUserFolder().folder + QStringLiteral("progress"));
    QObject::connect(&window, &gw::player::PlayerWindow::languageApplied, &window,
                     [&qtTexts](gw::Language language) { qtTexts.apply(language); });
    window.start();
    window.show();
    gw::platform::tellSettingsProblemOnce(
        settings, platform.platform().messages,
        QString::fromStdString(gw::chooseText(session.language, gw::txt::ProductPlayer)), session.language);
    if (!start.file.isEmpty())
        gw::platform::whenFirstExposed(window, [&window, &start] { window.loadFile(start.file); });
    return app.exec();
}
