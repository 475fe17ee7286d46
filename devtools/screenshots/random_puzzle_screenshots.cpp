// Takes the README's pictures of File > New Random Puzzle: the player with a
// generated puzzle and the dialog open over it, in English, Dutch and
// Italian. Run it on a real display (Xvfb is enough):
// random_puzzle_screenshots <program folder> <out folder>.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "platform/QtPlatform.h"
#include "player/PlayerWindow.h"
#include "player/RandomPuzzles.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: random_puzzle_screenshots <program folder> <out folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir settings; // keep the program folder's lang.ini and recent.ini as they are
    gw::platform::QtPlatform platform;
    gw::Puzzle puzzle;
    gw::Session session;
    session.programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath().toStdString() + "/";
    gw::player::PlayerWindow window(puzzle, session, platform.platform(), settings.path() + "/");
    platform.setParentWindow(&window);
    window.start();
    window.setGeometry(20, 40, 900, 620);
    window.show();
    QCoreApplication::processEvents();
    gw::player::RandomPuzzleCommands& commands = window.randomPuzzles();
    QSignalSpy ready(&commands, &gw::player::RandomPuzzleCommands::puzzleReady);
    commands.openCode(QStringLiteral("15x15-2c-medium-7F3K9Q"));
    if (!ready.wait(20000))
        return 1;
    const char* names[] = {"en", "nl", "it"};
    for (const gw::Language language : gw::allLanguages) {
        window.applyLanguage(language);
        commands.newRandomPuzzleCommand();
        gw::player::RandomPuzzleDialog* dialog = commands.randomDialog();
        dialog->move(window.geometry().center() - QPoint(dialog->width() / 2, dialog->height() / 2));
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        const QRect frame = window.frameGeometry();
        const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (!shot.save(out.filePath(
                QStringLiteral("player-random-%1.png").arg(QLatin1String(names[gw::languageIndex(language)])))))
            return 1;
        dialog->reject();
        QCoreApplication::processEvents();
    }
    return 0;
}
