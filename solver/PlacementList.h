#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Puzzle.h"

namespace gw {

// The placement list of one line: one 64-bit word per placement, whatever
// the number of colours of its clue.
//
// Bits 0..49 are the cells the placement colours (bit i = cell i). They fix
// the placement: the runs fill those cells in clue order, run k taking the
// next length(k) of them (see LineSolver). Bit 63 is set while the placement
// is valid: it becomes clear the first time the placement is found not to
// fit and is never set again, except for the survivors of a garbage
// collection. Bit 62 holds the result of the last test of the whole list.
class PlacementList {
public:
    static constexpr std::uint64_t CellBits = (std::uint64_t{1} << MaxPuzzleSize) - 1;
    static constexpr std::uint64_t FitsBit = std::uint64_t{1} << 62;
    static constexpr std::uint64_t ValidBit = std::uint64_t{1} << 63;

    std::size_t size() const { return m_words.size(); }
    bool empty() const { return m_words.empty(); }
    std::uint64_t word(std::size_t p) const { return m_words[p]; }
    std::uint64_t colored(std::size_t p) const { return m_words[p] & CellBits; }
    bool isValid(std::size_t p) const { return (m_words[p] & ValidBit) != 0; }
    void invalidate(std::size_t p) { m_words[p] &= ~ValidBit; }
    void append(std::uint64_t colored) { m_words.push_back(colored | ValidBit); }
    std::uint64_t* data() { return m_words.data(); }
    const std::uint64_t* data() const { return m_words.data(); }
    // Keeps placements 0..count-1; the memory of a list cut to a few is freed.
    void truncate(std::size_t count)
    {
        if (count < m_words.size() / 4)
            std::vector<std::uint64_t>(m_words.begin(), m_words.begin() + static_cast<std::ptrdiff_t>(count)).swap(m_words);
        else
            m_words.resize(count);
    }
    void clear() { std::vector<std::uint64_t>().swap(m_words); }

private:
    std::vector<std::uint64_t> m_words;
};

} // namespace gw
