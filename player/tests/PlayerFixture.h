#pragma once
// A player main window on scripted dialogs in a private program folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "platform/testing/FakePlatform.h"
#include "player/PlayerWindow.h"
#include "playfield/CluePanel.h"

namespace gw::test {

struct PlayerFixture {
    QTemporaryDir folder;
    platform::testing::FakePlatform fakes;
    Puzzle puzzle;
    std::unique_ptr<player::PlayerWindow> window;

    PlayerFixture()
    {
        puzzle.ProgramFolder = QDir(folder.path()).absolutePath().toStdString() + "/";
        puzzle.Language = 0;
    }

    // Builds the window, runs its start-up and shows it at `size`, or
    // maximised when `maximised`.
    player::PlayerWindow& start(QSize size = QSize(900, 700), bool maximised = false)
    {
        window = std::make_unique<player::PlayerWindow>(puzzle, fakes.platform());
        window->startUp();
        window->resize(size);
        if (maximised)
            window->showMaximized();
        else
            window->show();
        QCoreApplication::processEvents();
        return *window;
    }

    // Writes `bytes` to a file of the program folder; returns its path.
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(bytes);
        return path;
    }

    // A plain PBM (P1) or PPM (P3, maximum 1) of the rows, written as the
    // characters of cellFromChar.
    QString writePuzzle(const QString& name, const std::vector<std::string>& rows, bool color)
    {
        QByteArray bytes = color ? "P3\n" : "P1\n";
        bytes += QByteArray::number(int(rows.front().size())) + " " + QByteArray::number(int(rows.size()))
                 + (color ? "\n1\n" : "\n");
        for (const std::string& row : rows) {
            for (char c : row) {
                const std::uint8_t index = cellFromChar(c);
                if (color) {
                    const PaletteColor& p = Palette[index];
                    bytes += QByteArray::number(p.bitR) + " " + QByteArray::number(p.bitG) + " "
                             + QByteArray::number(p.bitB) + " ";
                } else {
                    bytes += index == White ? "0 " : "1 ";
                }
            }
            bytes += "\n";
        }
        return write(name, bytes);
    }

    // Centre of cell (x, y) in field widget pixels.
    QPoint cellCentre(int x, int y) const
    {
        const FieldWidget& field = window->picture1().field();
        const double s = window->playFieldState().TestCellSize;
        const QPointF at = field.picture().origin() + QPointF((x + 0.5) * s, (y + 0.5) * s) * field.picture().pixelsPerPoint();
        return at.toPoint();
    }
};

} // namespace gw::test
