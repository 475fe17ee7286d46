#pragma once
// Helpers shared by the play-field and print tests: puzzles written as rows of
// characters and a message box fake that records and answers every message.
#include <QString>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/Palette.h"
#include "core/Puzzle.h"
#include "platform/Platform.h"

namespace gw::test {

// '.' white, '#' black, 'R' red, 'B' blue, 'Y' yellow, 'G' green, 'M' magenta, 'A' aqua.
inline std::uint8_t cellFromChar(char c)
{
    switch (c) {
    case '#': return Black;
    case 'R': return Red;
    case 'B': return Blue;
    case 'Y': return Yellow;
    case 'G': return Green;
    case 'M': return Magenta;
    case 'A': return Aqua;
    default: return White;
    }
}

inline Puzzle puzzleFromRows(std::initializer_list<std::string> rows, bool colour = false)
{
    Puzzle p;
    p.PuzzleHeight = static_cast<std::int16_t>(rows.size());
    p.PuzzleWidth = static_cast<std::int16_t>(rows.begin()->size());
    p.ColorPuzzle = colour;
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            p.cell(x, y) = cellFromChar(row[static_cast<std::size_t>(x)]);
        ++y;
    }
    return p;
}

struct ShownMessage {
    QString text;
    QString title;
    platform::Icon icon;
    platform::Buttons buttons;
};

// Answers with the scripted answers in order, then with `fallback`.
class RecordingMessages : public platform::MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::deque<platform::Answer> answers;
    platform::Answer fallback = platform::Answer::No;

    platform::Answer show(const QString& text, const QString& title, platform::Icon icon,
                          platform::Buttons buttons) override
    {
        shown.push_back({text, title, icon, buttons});
        if (answers.empty())
            return buttons == platform::Buttons::Ok ? platform::Answer::Ok : fallback;
        const platform::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace gw::test
