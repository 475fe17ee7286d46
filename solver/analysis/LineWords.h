#pragma once
// Bit operations on the 64-bit words that hold one line: bit i stands for
// cell i (or for the boundary before cell i, where positions between cells
// are meant). A line has at most 50 cells, so every word has room to spare.
#include <cstdint>

namespace gw::analysis {

using Word = std::uint64_t;

inline int lowestBit(Word w) { return __builtin_ctzll(w); }
inline int bitCount(Word w) { return __builtin_popcountll(w); }

// The bits of `w` in reverse order: bit i moves to bit 63 - i.
inline Word reverseBits(Word w)
{
    w = ((w >> 1) & 0x5555555555555555u) | ((w & 0x5555555555555555u) << 1);
    w = ((w >> 2) & 0x3333333333333333u) | ((w & 0x3333333333333333u) << 2);
    w = ((w >> 4) & 0x0F0F0F0F0F0F0F0Fu) | ((w & 0x0F0F0F0F0F0F0F0Fu) << 4);
    return __builtin_bswap64(w);
}

} // namespace gw::analysis
