#pragma once
#include <array>
#include <cstdint>

#include "Puzzle.h"

namespace gw {

// The clue of one row or column: its runs in order from the left or the top,
// each a length and a palette colour. Runs of different colours may touch;
// runs of one colour have at least one white cell between them. A line
// without runs (count 0) is shown as a black 0. Built with addRun, which
// keeps colorMask; entries at or beyond `count` are 0.
struct LineClue {
    int count = 0;                                      // 0..50
    std::array<std::uint8_t, MaxPuzzleSize> lengths {}; // 1..50 for the first `count`
    std::array<std::uint8_t, MaxPuzzleSize> colors {};  // palette index, never White
    std::uint8_t colorMask = 0;                         // bit q set when some run has colour q

    // Appends a run; count must be below 50.
    void addRun(int length, std::uint8_t color)
    {
        lengths[static_cast<std::size_t>(count)] = static_cast<std::uint8_t>(length);
        colors[static_cast<std::size_t>(count)] = color;
        colorMask = static_cast<std::uint8_t>(colorMask | 1u << color);
        ++count;
    }

    int length(int k) const { return lengths[static_cast<std::size_t>(k)]; }
    int color(int k) const { return colors[static_cast<std::size_t>(k)]; }
    // Whether run k (1..count-1) has the colour of run k - 1, so that at
    // least one white cell lies between them.
    bool sameColorAsPrevious(int k) const { return k > 0 && color(k) == color(k - 1); }

    // The same runs in the same order.
    friend bool operator==(const LineClue& a, const LineClue& b)
    {
        if (a.count != b.count)
            return false;
        for (int k = 0; k < a.count; ++k)
            if (a.length(k) != b.length(k) || a.color(k) != b.color(k))
                return false;
        return true;
    }
    friend bool operator!=(const LineClue& a, const LineClue& b) { return !(a == b); }
};

} // namespace gw
