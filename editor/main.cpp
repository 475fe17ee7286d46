// gridwick, the puzzle maker: builds the objects and runs the event loop.
#include <QApplication>
#include <QFileInfo>

#include "core/Paths.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "editor/MakerWindow.h"
#include "platform/FilePaths.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsFolder.h"
#include "print/PrintAndTestWindows.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridwick Puzzle Maker"));

    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::QtPlatform platform;
    gw::editor::MakerWindowSetup setup;
    setup.programFolder = gw::platform::pathFromBytes(
        gw::withTrailingSeparator(gw::platform::pathBytes(QCoreApplication::applicationDirPath())));
    setup.settingsFolder = gw::platform::settingsFolder(setup.programFolder);

    gw::editor::MakerWindow window(puzzle, session, platform.platform(), setup);
    platform.setParentWindow(&window);
    window.start();

    // The print dialog and the test window, created hidden; the main window's
    // "Print Puzzle" and "Test Puzzle" items open them.
    const auto secondary = gw::attachPrintAndTestWindows(window, puzzle, session);
    // A puzzle file named on the command line is opened at once (its bytes as
    // given: QApplication has taken its own options out of argv).
    if (argc > 1)
        window.loadFile(QFileInfo(gw::platform::pathFromBytes(argv[1])).absoluteFilePath());
    window.show();
    return app.exec();
}
