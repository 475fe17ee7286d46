#pragma once
// Bit operations on the 64-bit words that hold one line: bit i stands for
// cell i (or for the boundary before cell i, where positions between cells
// are meant). A line has at most 50 cells, so every word has room to spare.
#include <cstdint>

namespace gw::analysis {

using Word = std::uint64_t;

inline int lowestBit(Word w) { return __builtin_ctzll(w); }
inline int bitCount(Word w) { return __builtin_popcountll(w); }

} // namespace gw::analysis
