#pragma once
// Helpers shared by the player's QtTest programs, on top of the play
// field's (puzzles written as rows of characters).
#include <QApplication>
#include <QImage>
#include <QTest>
#include <initializer_list>
#include <string>

#include "core/Palette.h"
#include "core/Puzzle.h"
#include "platform/testing/FakePlatform.h"
#include "playfield/tests/TestSupport.h"
#include "player/ErrorMarks.h"

namespace gw::test {

// Cell states written as rows: '_' unmarked, otherwise the mark of that
// palette character ('.' is a white mark).
inline player::CellStateArray statesFromRows(std::initializer_list<std::string> rows)
{
    player::CellStateArray states{};
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            const char c = row[static_cast<std::size_t>(x)];
            states[static_cast<std::size_t>(x + MaxPuzzleSize * y)] =
                c == '_' ? 0 : static_cast<std::uint8_t>(cellFromChar(c) + 1);
        }
        ++y;
    }
    return states;
}

// Length of the run of pixels of colour `color` on row `y` through column x.
inline int runLength(const QImage& image, int x, int y, QRgb color)
{
    if (image.pixel(x, y) != color)
        return 0;
    int left = x;
    while (left > 0 && image.pixel(left - 1, y) == color)
        --left;
    int right = x;
    while (right + 1 < image.width() && image.pixel(right + 1, y) == color)
        ++right;
    return right - left + 1;
}

} // namespace gw::test
