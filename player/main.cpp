// puzzler, the Gridwick player: builds the main window and runs the event loop.
#include <QApplication>

#include "core/Paths.h"
#include "core/Puzzle.h"
#include "platform/QtPlatform.h"
#include "player/PlayerWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    gw::platform::QtPlatform platform;
    gw::Puzzle puzzle;
    puzzle.ProgramFolder = gw::withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());
    gw::player::PlayerWindow window(puzzle, platform.platform());
    platform.setParentWindow(&window);
    window.startUp();
    window.show();
    return app.exec();
}
