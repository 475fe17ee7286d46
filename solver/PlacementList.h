#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Puzzle.h"

namespace gw {

// The memory of the placement lists of one computer test, in chunks of equal
// size. A chunk a list gives back is kept for the next list that grows, also
// in the next test; the pool frees its chunks only when it is destroyed (with
// the driver). So ending a test frees nothing, and a list never copies its
// placements to grow.
class PlacementPool {
public:
    static constexpr std::size_t ChunkWords = 2048;

    PlacementPool() = default;
    PlacementPool(const PlacementPool&) = delete;
    PlacementPool& operator=(const PlacementPool&) = delete;

    std::uint64_t* take()
    {
        if (m_free.empty()) {
            m_chunks.push_back(std::make_unique<std::uint64_t[]>(ChunkWords));
            return m_chunks.back().get();
        }
        std::uint64_t* chunk = m_free.back();
        m_free.pop_back();
        return chunk;
    }
    void give(std::uint64_t* chunk) { m_free.push_back(chunk); }

private:
    std::vector<std::unique_ptr<std::uint64_t[]>> m_chunks; // every chunk made
    std::vector<std::uint64_t*> m_free;
};

// The placement list of one line: one 64-bit word per placement, whatever
// the number of colours of its clue, in chunks from a PlacementPool that
// must outlive the list.
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

    explicit PlacementList(PlacementPool& pool) : m_pool(pool) {}
    ~PlacementList() { clear(); }
    PlacementList(const PlacementList&) = delete;
    PlacementList& operator=(const PlacementList&) = delete;

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::uint64_t& word(std::size_t p) { return m_chunks[p / PlacementPool::ChunkWords][p % PlacementPool::ChunkWords]; }
    std::uint64_t word(std::size_t p) const { return m_chunks[p / PlacementPool::ChunkWords][p % PlacementPool::ChunkWords]; }
    std::uint64_t colored(std::size_t p) const { return word(p) & CellBits; }
    bool isValid(std::size_t p) const { return (word(p) & ValidBit) != 0; }
    void invalidate(std::size_t p)
    {
        if (p < m_hashed && isValid(p))
            m_validitySum -= validitySalt(p);
        word(p) &= ~ValidBit;
    }
    void append(std::uint64_t colored)
    {
        if (m_size == m_chunks.size() * PlacementPool::ChunkWords)
            m_chunks.push_back(m_pool.take());
        word(m_size++) = colored | ValidBit;
    }
    // Keeps placements 0..count-1 (count <= size()).
    void truncate(std::size_t count)
    {
        rewrittenFrom(count);
        m_size = count;
        const std::size_t chunks = (count + PlacementPool::ChunkWords - 1) / PlacementPool::ChunkWords;
        while (m_chunks.size() > chunks) {
            m_pool.give(m_chunks.back());
            m_chunks.pop_back();
        }
    }
    void clear() { truncate(0); }

    // Calls visit(words, count, first) for the words of placements
    // from..size()-1, a stretch of consecutive ones (first..first+count-1)
    // at a time, in order.
    template <typename Visit>
    void forEachStretch(std::size_t from, Visit visit)
    {
        for (std::size_t first = from; first < m_size;) {
            const std::size_t offset = first % PlacementPool::ChunkWords;
            const std::size_t count = std::min(PlacementPool::ChunkWords - offset, m_size - first);
            visit(m_chunks[first / PlacementPool::ChunkWords] + offset, count, first);
            first += count;
        }
    }
    template <typename Visit>
    void forEachStretch(std::size_t from, Visit visit) const
    {
        const_cast<PlacementList*>(this)->forEachStretch(
            from, [&](const std::uint64_t* words, std::size_t count, std::size_t first) { visit(words, count, first); });
    }
    // Placements from p on were rewritten through word() or forEachStretch
    // other than in bits 62 (which nothing hashes).
    void rewrittenFrom(std::size_t p)
    {
        if (p < m_hashed) {
            m_hashed = 0;
            m_cellSum = 0;
            m_validitySum = 0;
        }
    }

    // The list's part of the endless-state fingerprint: a sum over the
    // placements' coloured cells and one over their validity, each term
    // depending on the placement's index. Kept from call to call for the
    // placements that have not changed since.
    std::uint64_t cellSum() const
    {
        hashUpToSize();
        return m_cellSum;
    }
    std::uint64_t validitySum() const
    {
        hashUpToSize();
        return m_validitySum;
    }

private:
    static std::uint64_t cellSalt(std::size_t p) { return (p + 1) * 0x9E3779B97F4A7C15ull; }
    static std::uint64_t validitySalt(std::size_t p) { return (p + 1) * 0xD6E8FEB86659FD93ull; }
    void hashUpToSize() const
    {
        const_cast<PlacementList*>(this)->forEachStretch(m_hashed, [&](const std::uint64_t* words, std::size_t count, std::size_t first) {
            std::uint64_t salt = cellSalt(first - 1);
            std::uint64_t validSalt = validitySalt(first - 1);
            for (std::size_t n = 0; n < count; ++n) {
                salt += 0x9E3779B97F4A7C15ull;
                validSalt += 0xD6E8FEB86659FD93ull;
                m_cellSum += ((words[n] & CellBits) ^ salt) * 0xBF58476D1CE4E5B9ull;
                m_validitySum += (std::uint64_t{0} - (words[n] >> 63)) & validSalt;
            }
        });
        m_hashed = m_size;
    }

    PlacementPool& m_pool;
    std::vector<std::uint64_t*> m_chunks;
    std::size_t m_size = 0;
    mutable std::size_t m_hashed = 0; // the placements in the sums
    mutable std::uint64_t m_cellSum = 0;
    mutable std::uint64_t m_validitySum = 0;
};

} // namespace gw
