#include "Palette.h"

namespace gw {

const PaletteColor Palette[PaletteSize] = {
    {0, 0, 0, 0, 0, 0},       // black
    {255, 255, 255, 1, 1, 1}, // white
    {255, 0, 0, 1, 0, 0},     // red
    {0, 0, 255, 0, 0, 1},     // blue
    {255, 255, 0, 1, 1, 0},   // yellow
    {0, 255, 0, 0, 1, 0},     // green
    {255, 0, 255, 1, 0, 1},   // magenta
    {0, 255, 255, 0, 1, 1},   // aqua
};

std::uint8_t paletteIndexFromBits(int r, int g, int b)
{
    for (std::uint8_t i = 0; i < PaletteSize; ++i) {
        const PaletteColor& c = Palette[i];
        if (c.bitR == (r ? 1 : 0) && c.bitG == (g ? 1 : 0) && c.bitB == (b ? 1 : 0))
            return i;
    }
    return White; // not reached: all eight triples occur
}

} // namespace gw
