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

} // namespace gw
