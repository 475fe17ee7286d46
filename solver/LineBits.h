#pragma once
// Cell sets of one line (at most 50 cells) as 64-bit masks, bit i = cell i.
#include <cstdint>

namespace gw {

// Cells 0..end-1 (none when end <= 0).
inline std::uint64_t bitsBelow(int end)
{
    if (end <= 0)
        return 0;
    return end >= 64 ? ~std::uint64_t {0} : (std::uint64_t {1} << end) - 1;
}

// Cells first..length-1 (from 0 when first < 0).
inline std::uint64_t bitsFrom(int first, int length)
{
    return first >= length ? 0 : bitsBelow(length) & ~bitsBelow(first);
}

// x | x << 1 | ... | x << width (width >= 0): the cells a run of width + 1
// covers from each start in x.
inline std::uint64_t spreadLeft(std::uint64_t x, int width)
{
    for (int covered = 1; covered <= width;) {
        const int shift = covered <= width + 1 - covered ? covered : width + 1 - covered;
        x |= x << shift;
        covered += shift;
    }
    return x;
}

// The number of cells in `cells` (without relying on a population count
// instruction, which the baseline x86-64 target lacks).
inline int countBits(std::uint64_t cells)
{
    cells -= (cells >> 1) & 0x5555555555555555ull;
    cells = (cells & 0x3333333333333333ull) + ((cells >> 2) & 0x3333333333333333ull);
    cells = (cells + (cells >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((cells * 0x0101010101010101ull) >> 56);
}

} // namespace gw
