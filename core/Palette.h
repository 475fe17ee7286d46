#pragma once
#include <cstdint>

namespace gw {

// Palette indices. White is the empty cell. Their names in each language:
// colorName (lang/Language.h).
enum : std::uint8_t { Black = 0, White = 1, Red = 2, Blue = 3, Yellow = 4, Green = 5, Magenta = 6, Aqua = 7 };
constexpr int PaletteSize = 8;

struct PaletteColor {
    std::uint8_t r, g, b;          // screen colour
    std::uint8_t bitR, bitG, bitB; // stored triple in PPM files (maximum value 1)
};

// The eight colours by index, in chooser order (index 0 at the top).
extern const PaletteColor Palette[PaletteSize];

// Index whose stored triple equals (r, g, b), each 0 or 1. Total over all eight triples.
std::uint8_t paletteIndexFromBits(int r, int g, int b);

} // namespace gw
