#pragma once
// Shared by the player's QtTest programs: a main window on scripted dialogs
// in a private program folder, puzzles and marks written as rows of
// characters (see playfield/tests/TestSupport.h), and dot measures.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/PuzzleFile.h"
#include "platform/testing/FakePlatform.h"
#include "player/PlayerWindow.h"
#include "playfield/CluePanel.h"
#include "playfield/tests/TestSupport.h"

namespace gw::test {

const QRgb Orange = qRgb(255, 128, 64);
const QRgb LightGrey = qRgb(192, 192, 192);

// Marks as rows: '_' unmarked, otherwise the mark of that character.
inline player::CellStateArray statesFromRows(std::initializer_list<std::string> rows)
{
    player::CellStateArray states {};
    int y = 0;
    for (const std::string& row : rows) {
        for (std::size_t x = 0; x < row.size(); ++x)
            states[x + MaxPuzzleSize * std::size_t(y)] = row[x] == '_' ? 0 : std::uint8_t(cellFromChar(row[x]) + 1);
        ++y;
    }
    return states;
}

// Widest row of the dot about `at`, in pixels: its inner part (the colour at
// `at`) or the whole dot with its grey rim.
inline int dotWidth(const QImage& image, QPoint at, bool withRim)
{
    const QRgb inner = image.pixel(at);
    auto in = [&](int x, int y) {
        return image.pixel(x, y) == inner || (withRim && image.pixel(x, y) == qRgb(128, 128, 128));
    };
    int widest = 0;
    for (int y = at.y() - 1; y <= at.y() + 1; ++y) {
        int left = at.x(), right = at.x();
        while (left > 0 && in(left - 1, y))
            --left;
        while (right + 1 < image.width() && in(right + 1, y))
            ++right;
        widest = std::max(widest, in(at.x(), y) ? right - left + 1 : 0);
    }
    return widest;
}

struct PlayerFixture {
    QTemporaryDir folder;
    platform::testing::FakePlatform fakes;
    Puzzle puzzle;
    Session session;
    std::unique_ptr<player::PlayerWindow> window;

    PlayerFixture() { session.programFolder = folder.path().toStdString() + "/"; }

    // Builds the window, runs its start-up and shows it.
    player::PlayerWindow& start(QSize size = QSize(900, 700))
    {
        window = std::make_unique<player::PlayerWindow>(puzzle, session, fakes.platform());
        window->start();
        window->resize(size);
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
    }

    // The rows as a PBM, or a PPM when `color`.
    QString writePuzzle(const QString& name, const std::vector<std::string>& rows, bool color = false)
    {
        const Puzzle p = puzzleFromRowList(rows, color);
        return write(name, QByteArray::fromStdString(color ? ppmBytes(p) : pbmBytes(p)));
    }

    // Centre of cell (x, y) in field widget pixels.
    QPoint cellCentre(int x, int y) const
    {
        const PointImage& picture = window->cluePanel().field().picture();
        const double s = window->playFieldState().cellSize;
        return (picture.origin() + QPointF((x + 0.5) * s, (y + 0.5) * s) * picture.pixelsPerPoint()).toPoint();
    }
};

} // namespace gw::test
