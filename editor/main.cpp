// gridwick, the puzzle maker: builds the objects and runs the event loop.
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/Puzzle.h"
#include "editor/Form1.h"
#include "platform/QtPlatform.h"
#include "platform/SettingsFolder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridwick Puzzle Maker"));

    gw::Puzzle puzzle;
    gw::platform::QtPlatform platform;
    gw::editor::Form1Setup setup;
    setup.programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!setup.programFolder.endsWith(QDir::separator()))
        setup.programFolder += QDir::separator();
    setup.settingsFolder = gw::platform::settingsFolder(setup.programFolder);

    gw::editor::Form1 form(puzzle, platform.platform(), setup);
    platform.setParentWindow(&form);
    form.start();
    // A puzzle file named on the command line is opened at once.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        form.loadFile(QFileInfo(args.at(1)).absoluteFilePath());
    form.show();
    return app.exec();
}
