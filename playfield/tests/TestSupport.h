#pragma once
// Helpers shared by the play-field and print tests: puzzles written as rows of
// characters.
#include <initializer_list>
#include <vector>
#include <string>
#include <string_view>

#include "core/Palette.h"
#include "core/Puzzle.h"

namespace gw::test {

// '#' black, 'R' red, 'B' blue, 'Y' yellow, 'G' green, 'M' magenta, 'A' aqua; anything else white.
inline std::uint8_t cellFromChar(char c)
{
    const std::size_t i = std::string_view("#.RBYGMA").find(c);
    return i == std::string_view::npos ? static_cast<std::uint8_t>(White) : static_cast<std::uint8_t>(i);
}

template <typename Rows>
Puzzle puzzleFromRowList(const Rows& rows, bool colour = false)
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

inline Puzzle puzzleFromRows(std::initializer_list<std::string> rows, bool colour = false)
{
    return puzzleFromRowList(rows, colour);
}

// A puzzle written on one line, its rows separated by '/': "#.#/###"; a
// colour puzzle when a colour letter occurs.
inline Puzzle puzzleFromText(const std::string& text)
{
    std::vector<std::string> rows(1);
    for (char c : text)
        if (c == '/')
            rows.emplace_back();
        else
            rows.back().push_back(c);
    return puzzleFromRowList(rows, text.find_first_of("RBYGMA") != std::string::npos);
}

// A w x h black-and-white puzzle, black where `black(x, y)` holds.
template <typename Black>
Puzzle patternPuzzle(int w, int h, Black black)
{
    std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (black(x, y))
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
    return puzzleFromRowList(rows);
}

} // namespace gw::test
