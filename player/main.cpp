// puzzler, the Gridwick player: builds the main window and runs the event loop.
#include <QApplication>

#include "core/Paths.h"
#include "core/Puzzle.h"
#include "core/Session.h"
#include "platform/FilePaths.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsFolder.h"
#include "player/PlayerWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridwick Puzzler"));
    gw::platform::QtPlatform platform;
    gw::Puzzle puzzle;
    gw::Session session;
    session.programFolder = gw::withTrailingSeparator(gw::platform::pathBytes(QCoreApplication::applicationDirPath()));
    const QString settings = gw::platform::settingsFolder(gw::platform::pathFromBytes(session.programFolder));
    gw::player::PlayerWindow window(puzzle, session, platform.platform(), settings);
    platform.setParentWindow(&window);
    window.startUp();
    window.show();
    return app.exec();
}
