// Takes the README's pictures of the player: the main window in the middle of
// a game (some cells right, two wrong and shown by Show errors, a crossed-off
// clue number), the solution window beside it, a game played with the keys
// (player-keys.png) and a hint (player-hint.png). Run it on a real display
// (Xvfb is enough):
//   player_screenshots <puzzle> <program folder> <out folder> [language 0..2]
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "core/Palette.h"
#include "platform/QtPlatform.h"
#include "player/PlayerWindow.h"
#include "player/SolutionWindow.h"
#include "playfield/ColorChooser.h"

namespace {

QPixmap grabOnScreen(QWidget& window)
{
    QCoreApplication::processEvents();
    const QRect frame = window.frameGeometry();
    return window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: player_screenshots <puzzle> <program folder> <out folder>\n");
        return 2;
    }
    const QString puzzlePath = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[3]));
    QTemporaryDir settings; // keep the program folder's lang.ini and recent.ini as they are

    gw::platform::QtPlatform platform;
    gw::Puzzle puzzle;
    gw::Session session;
    session.programFolder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath().toStdString() + "/";
    gw::player::PlayerWindow window(puzzle, session, platform.platform(), settings.path() + "/");
    platform.setParentWindow(&window);
    window.start();
    if (argc > 4)
        window.applyLanguage(gw::languageFromByte(static_cast<std::uint8_t>(std::atoi(argv[4]))));
    window.setGeometry(20, 40, 900, 620);
    window.show();
    QCoreApplication::processEvents();
    if (!window.loadFile(puzzlePath))
        return 1;

    // Play the top two thirds of the rows right, then two wrong cells.
    gw::PlayField& field = window.playField();
    const int rows = puzzle.height * 2 / 3;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const int color = puzzle.cell(x, y);
            if (color == gw::White) {
                field.markCell(gw::MouseButton::Right, x, y);
            } else {
                window.chooser().choose(1, color + 1);
                field.markCell(gw::MouseButton::Left, x, y);
            }
        }
    }
    window.chooser().choose(1, 1);
    field.markCell(gw::MouseButton::Left, 0, rows);
    field.markCell(gw::MouseButton::Left, puzzle.width - 1, rows + 1);
    for (int y = 0; y < rows; ++y)
        if (window.clues().rows[static_cast<std::size_t>(y)].count > 0)
            field.toggleRowClue(y, 0);
    window.showErrors();
    field.fieldMouse(0, (puzzle.width - 0.5) * window.playFieldState().cellSize,
                     (rows + 1.5) * window.playFieldState().cellSize);

    QPixmap main = grabOnScreen(window);
    window.giveSolution();
    gw::player::SolutionWindow& solutionWindow = window.solutionWindow();
    solutionWindow.move(window.frameGeometry().right() + 20, 40);
    QCoreApplication::processEvents();
    QPixmap solution = grabOnScreen(solutionWindow);
    solutionWindow.hide();

    // Keyboard play: a fresh game, a few cells marked with the keys, the
    // cursor left on the last.
    // The left button takes the colour of the second row's first cell, which
    // the keys then mark along with the four cells after it.
    window.resetPlayField();
    window.chooser().choose(1, puzzle.cell(0, 1) + 1);
    for (const int key : {Qt::Key_Down, Qt::Key_Space})
        field.keyPress(key, Qt::NoModifier);
    for (int i = 0; i < 4; ++i)
        field.keyPress(Qt::Key_Right, Qt::ShiftModifier);
    QPixmap keys = grabOnScreen(window);
    // A hint on the same game.
    window.showHint();
    QPixmap hint = grabOnScreen(window);
    const bool ok = main.save(out.filePath(QStringLiteral("player.png")))
                    && solution.save(out.filePath(QStringLiteral("player-solution.png")))
                    && keys.save(out.filePath(QStringLiteral("player-keys.png")))
                    && hint.save(out.filePath(QStringLiteral("player-hint.png")));
    return ok ? 0 : 1;
}
