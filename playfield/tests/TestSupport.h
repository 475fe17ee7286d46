#pragma once
// Helpers shared by the play-field and print tests: puzzles written as rows of
// characters.
#include <initializer_list>
#include <string>
#include <vector>

#include "core/Palette.h"
#include "core/Puzzle.h"
#include "core/tests/TestSupport.h"

namespace gw::test {

using gwtest::cellFromChar;

template <typename Rows> Puzzle puzzleFromRowList(const Rows& rows, bool color = false)
{
    return gwtest::puzzleFromRows(std::vector<std::string>(rows.begin(), rows.end()), color);
}

inline Puzzle puzzleFromRows(std::initializer_list<std::string> rows, bool color = false)
{
    return puzzleFromRowList(rows, color);
}

// A puzzle written on one line, its rows separated by '/': "#.#/###"; a
// colour puzzle when a colour letter occurs.
inline Puzzle puzzleFromText(const std::string& text)
{
    return gwtest::puzzleFromRows(gwtest::splitRows(text), text.find_first_of("RBYGMA") != std::string::npos);
}

// A w x h black-and-white puzzle, black where `black(x, y)` holds.
template <typename Black> Puzzle patternPuzzle(int w, int h, Black black)
{
    std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (black(x, y))
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
    return puzzleFromRowList(rows);
}

} // namespace gw::test
