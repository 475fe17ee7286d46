#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "lang/Language.h"

namespace gw {

constexpr int MaxPuzzleSize = 50;
constexpr int CellCount = MaxPuzzleSize * MaxPuzzleSize;
// The literal that stands for "this puzzle has no file yet".
inline constexpr const char* NoFileName = "*geen*";

// The puzzle document: its size, cells, names and whether it changed since it
// was last opened or saved. One instance per program, owned by the program and
// passed by reference to every part that reads or writes it. What belongs to
// the running program (language, button colours, program folder) is in Session.
struct Puzzle {
    std::int16_t width = 25;  // columns in use, 1..50
    std::int16_t height = 25; // rows in use, 1..50
    // Palette index 0..7 of every cell, element (x, y) at x + 50 * y.
    // cells outside width x height stay white after every reset.
    std::array<std::uint8_t, CellCount> cells;
    std::string name;  // caption name: file name without folder and last extension
    std::string title; // title from the "# Puzzle Title: " line; empty when none
    bool changed = false;
    bool isColor = false;              // eight colours (PPM) or black and white (PBM)
    std::string fileName = NoFileName; // full path, or "*geen*"

    Puzzle() { cells.fill(1); }

    std::uint8_t cell(int x, int y) const { return cells[static_cast<std::size_t>(x + MaxPuzzleSize * y)]; }
    std::uint8_t& cell(int x, int y) { return cells[static_cast<std::size_t>(x + MaxPuzzleSize * y)]; }
    bool inPuzzle(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The document reset of the maker's new-puzzle operation: name "No Title" in
// `language`, empty title, no file, colour mode, all 2500 cells white, the new
// size, and changed false. The window steps (button colours, caption,
// status line, chooser, layout) belong to the main window.
// width and height must be 1..50 (the caller validates).
void newPuzzle(Puzzle& puzzle, std::int16_t width, std::int16_t height, bool color, Language language);

} // namespace gw
