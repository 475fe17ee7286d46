// gridwick, the puzzle maker: builds the objects and runs the event loop.
#include <QApplication>
#include <QFileInfo>

#include "core/Paths.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "editor/MakerWindow.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsFolder.h"
#include "platform/WindowFit.h"
#include "print/PrintAndTestWindows.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridwick Puzzle Maker"));
    // Every window keeps inside the screen's available area.
    const auto onScreen = gw::platform::keepWindowsOnScreen();

    gw::Puzzle puzzle;
    gw::Session session;
    gw::platform::QtPlatform platform;
    gw::editor::MakerWindowSetup setup;
    setup.programFolder =
        QString::fromStdString(gw::withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString()));
    setup.settingsFolder = gw::platform::settingsFolder(setup.programFolder);

    gw::editor::MakerWindow window(puzzle, session, platform.platform(), setup);
    platform.setParentWindow(&window);
    window.start();

    // The print dialog and the test window, created hidden; the main window's
    // "Print Puzzle" and "Test Puzzle" items open them.
    const auto secondary = gw::attachPrintAndTestWindows(window, puzzle, session);
    // A puzzle file named on the command line is opened at once.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        window.loadFile(QFileInfo(args.at(1)).absoluteFilePath());
    window.show();
    return app.exec();
}
