#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Puzzle.h"

namespace gw {

// A chunk of placement words (see PlacementList). Words below `filled` are
// written and never change; lists append at `filled`.
struct PlacementChunk {
    static constexpr std::uint32_t Words = 2048;

    std::array<std::uint64_t, Words> words;
    std::uint32_t filled = 0;
    std::uint32_t users = 0; // the pieces of a list that show some of its words
};

// The memory of the placement lists of one computer test, in chunks of equal
// size. A chunk no list uses any more is kept for the next list that grows,
// also in the next test; the pool frees its chunks only when it is destroyed
// (with the driver). So ending a test frees nothing, and a list never copies
// its placements to grow.
class PlacementPool {
public:
    PlacementPool() = default;
    PlacementPool(const PlacementPool&) = delete;
    PlacementPool& operator=(const PlacementPool&) = delete;

    // An empty chunk.
    PlacementChunk* take();
    void give(PlacementChunk* chunk) { m_free.push_back(chunk); }

private:
    std::vector<std::unique_ptr<PlacementChunk>> m_chunks; // every chunk made
    std::vector<PlacementChunk*> m_free;
};

// The placement list of one line: one 64-bit word per placement, whatever
// the number of colours of its clue, bit i set when the placement colours
// cell i. Those cells fix the placement: the runs fill them in clue order,
// run k taking the next length(k) of them (see LineSolver).
//
// The words lie in chunks from a PlacementPool that must outlive the list;
// the list is a sequence of pieces, each a stretch of one chunk. A placement
// appended as a copy of one already in the list (an enumeration repeating the
// last one) shows the same word again, so a list that holds the first
// placements of the line several times over holds their words once.
//
// Per placement the list also keeps whether it is valid (it becomes invalid
// the first time it is found not to fit and never valid again, except for
// the survivors of a garbage collection) and a mark for the result of the
// last test of the whole list.
class PlacementList {
public:
    explicit PlacementList(PlacementPool& pool) : m_pool(pool) { }
    ~PlacementList() { clear(); }
    PlacementList(const PlacementList&) = delete;
    PlacementList& operator=(const PlacementList&) = delete;

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // The coloured cells of placement p (quick when p follows the last one asked).
    std::uint64_t colored(std::size_t p) const;
    bool isValid(std::size_t p) const { return (m_valid[p / 64] >> (p % 64)) & 1u; }
    void invalidate(std::size_t p)
    {
        if (isValid(p))
            m_validitySum -= validitySalt(p);
        m_valid[p / 64] &= ~(std::uint64_t {1} << (p % 64));
    }
    bool marked(std::size_t p) const { return (m_marks[p / 64] >> (p % 64)) & 1u; }
    void setMark(std::size_t p, bool mark)
    {
        const std::uint64_t bit = std::uint64_t {1} << (p % 64);
        m_marks[p / 64] = mark ? m_marks[p / 64] | bit : m_marks[p / 64] & ~bit;
    }

    // Marks exactly the valid placements.
    void markValid() { m_marks = m_valid; }
    // The number of marked placements in from..to-1, and the first marked
    // (unmarked) one from p on, or `to` when there is none before it.
    std::size_t countMarked(std::size_t from, std::size_t to) const;
    std::size_t nextMarked(std::size_t p, std::size_t to) const { return nextWithMark(p, to, true); }
    std::size_t nextUnmarked(std::size_t p, std::size_t to) const { return nextWithMark(p, to, false); }

    // Appends a valid placement.
    void append(std::uint64_t colored)
    {
        appendWord(m_pieces, colored);
        grow(colored);
    }
    // Appends placement p of this list again, valid, sharing its word.
    void appendCopyOf(std::size_t p);
    // Keeps the marked placements, in order, and placement 0 as it is when
    // `keepFirst`; the others go. The kept placements are valid (but for
    // placement 0 kept as it is), and no mark is left. Returns whether
    // anything changed.
    bool keepMarked(bool keepFirst);
    // Keeps placements 0..count-1 (count <= size()).
    void truncate(std::size_t count);
    void clear() { truncate(0); }

    // Calls visit(words, count, first) for the words of placements
    // from..size()-1, a stretch of consecutive ones (first..first+count-1)
    // at a time, in order.
    template <typename Visit> void forEachStretch(std::size_t from, Visit visit) const
    {
        std::size_t first = 0;
        for (const Piece& piece : m_pieces) {
            if (first + piece.count > from) {
                const std::size_t skip = from > first ? from - first : 0;
                visit(piece.chunk->words.data() + piece.offset + skip, piece.count - skip, first + skip);
            }
            first += piece.count;
        }
    }

    // The list's part of the endless-state fingerprint: a sum over the
    // placements' coloured cells and one over their validity, each term
    // depending on the placement's index. Kept up to date with every change.
    std::uint64_t cellSum() const { return m_cellSum; }
    std::uint64_t validitySum() const { return m_validitySum; }

private:
    struct Piece {
        PlacementChunk* chunk;
        std::uint32_t offset;
        std::uint32_t count;
    };

    static std::uint64_t cellSalt(std::size_t p) { return (p + 1) * 0x9E3779B97F4A7C15ull; }
    static std::uint64_t validitySalt(std::size_t p) { return (p + 1) * 0xD6E8FEB86659FD93ull; }
    static std::uint64_t cellTerm(std::size_t p, std::uint64_t colored)
    {
        return (colored ^ cellSalt(p)) * 0xBF58476D1CE4E5B9ull;
    }
    // Adds (sign +1) or takes away (-1) the terms of placements from..size()-1.
    void addTermsFrom(std::size_t from, std::uint64_t sign);
    // Appends `word` to `pieces`, in the free end of the last piece's chunk
    // or in a new chunk.
    void appendWord(std::vector<Piece>& pieces, std::uint64_t word)
    {
        if (!pieces.empty()) {
            Piece& last = pieces.back();
            PlacementChunk& chunk = *last.chunk;
            if (last.offset + last.count == chunk.filled && chunk.filled < PlacementChunk::Words) {
                chunk.words[chunk.filled++] = word;
                ++last.count;
                return;
            }
        }
        appendInNewChunk(pieces, word);
    }
    void appendInNewChunk(std::vector<Piece>& pieces, std::uint64_t word);
    // Appends a piece showing words of a chunk already in use.
    static void appendShared(std::vector<Piece>& pieces, PlacementChunk* chunk, std::uint32_t offset,
                             std::uint32_t count);
    void release(const Piece& piece);
    // The piece holding placement p and the index of its first placement.
    void find(std::size_t p, std::size_t& piece, std::size_t& first) const;
    void setSize(std::size_t size);
    // One more placement, valid and unmarked: `colored`.
    void grow(std::uint64_t colored)
    {
        m_cellSum += cellTerm(m_size, colored);
        m_validitySum += validitySalt(m_size);
        if (m_size % 64 == 0) {
            m_valid.push_back(0);
            m_marks.push_back(0);
        }
        m_valid[m_size / 64] |= std::uint64_t {1} << (m_size % 64);
        ++m_size;
    }
    std::size_t nextWithMark(std::size_t p, std::size_t to, bool mark) const;

    PlacementPool& m_pool;
    std::vector<Piece> m_pieces;
    std::size_t m_size = 0;
    std::vector<std::uint64_t> m_valid;  // bit per placement
    std::vector<std::uint64_t> m_marks;  // bit per placement
    mutable std::size_t m_lastPiece = 0; // where colored() last found a placement
    mutable std::size_t m_lastPieceFirst = 0;
    std::uint64_t m_cellSum = 0;
    std::uint64_t m_validitySum = 0;
};

} // namespace gw
