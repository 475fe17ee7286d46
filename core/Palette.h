#pragma once
#include <cstdint>
#include <string>

#include "lang/Text.h"

namespace gw {

// Palette indices. White is the empty cell.
enum : std::uint8_t {
    Black = 0, White = 1, Red = 2, Blue = 3, Yellow = 4, Green = 5, Magenta = 6, Aqua = 7
};
constexpr int PaletteSize = 8;

struct PaletteColor {
    std::uint8_t r, g, b;       // screen colour
    std::uint8_t bitR, bitG, bitB; // stored triple in PPM files (maximum value 1)
};

// The eight colours by index, in chooser order (index 0 at the top).
extern const PaletteColor Palette[PaletteSize];

// Index whose stored triple equals (r, g, b), each 0 or 1. Total over all eight triples.
std::uint8_t paletteIndexFromBits(int r, int g, int b);

// chooseText: the version of a text for `language` (0 English, 1 Dutch,
// 2 Italian); any other language value yields an empty string.
std::string chooseText(std::uint8_t language, const Text& text);
std::string chooseText(std::uint8_t language, const char* en, const char* nl, const char* it);

// Localized name of palette index 0..7; empty for any other index.
std::string colorName(std::uint8_t language, int index);

} // namespace gw
