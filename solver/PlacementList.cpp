#include "PlacementList.h"

#include <algorithm>

#include "LineBits.h"

namespace gw {

namespace {

// A stretch of kept placements at least this long stays where it is after a
// garbage collection; shorter ones are copied together, so that a chunk is
// not kept for a few words.
constexpr std::uint32_t SharedStretch = PlacementChunk::Words / 8;

} // namespace

PlacementChunk* PlacementPool::take()
{
    if (m_free.empty()) {
        // Not value-initialised: the words are written before they are read.
        m_chunks.push_back(std::unique_ptr<PlacementChunk>(new PlacementChunk));
        return m_chunks.back().get();
    }
    PlacementChunk* chunk = m_free.back();
    m_free.pop_back();
    chunk->filled = 0;
    chunk->users = 0;
    return chunk;
}

void PlacementList::setSize(std::size_t size)
{
    m_size = size;
    const std::size_t words = (size + 63) / 64;
    m_valid.resize(words);
    m_marks.resize(words);
    if (size % 64 != 0) {
        const std::uint64_t below = (std::uint64_t {1} << (size % 64)) - 1;
        m_valid.back() &= below;
        m_marks.back() &= below;
    }
}

void PlacementList::find(std::size_t p, std::size_t& piece, std::size_t& first) const
{
    if (m_lastPiece >= m_pieces.size() || p < m_lastPieceFirst) {
        m_lastPiece = 0;
        m_lastPieceFirst = 0;
    }
    while (p >= m_lastPieceFirst + m_pieces[m_lastPiece].count) {
        m_lastPieceFirst += m_pieces[m_lastPiece].count;
        ++m_lastPiece;
    }
    piece = m_lastPiece;
    first = m_lastPieceFirst;
}

std::uint64_t PlacementList::colored(std::size_t p) const
{
    std::size_t piece = 0;
    std::size_t first = 0;
    find(p, piece, first);
    const Piece& in = m_pieces[piece];
    return in.chunk->words[in.offset + (p - first)];
}

void PlacementList::appendInNewChunk(std::vector<Piece>& pieces, std::uint64_t word)
{
    PlacementChunk* chunk = m_pool.take();
    chunk->users = 1;
    chunk->words[0] = word;
    chunk->filled = 1;
    pieces.push_back({chunk, 0, 1});
}

void PlacementList::appendShared(std::vector<Piece>& pieces, PlacementChunk* chunk, std::uint32_t offset,
                                 std::uint32_t count)
{
    if (!pieces.empty()) {
        Piece& last = pieces.back();
        if (last.chunk == chunk && last.offset + last.count == offset) {
            last.count += count;
            return;
        }
    }
    ++chunk->users;
    pieces.push_back({chunk, offset, count});
}

void PlacementList::release(const Piece& piece)
{
    if (--piece.chunk->users == 0)
        m_pool.give(piece.chunk);
}

void PlacementList::appendCopyOf(std::size_t p)
{
    std::size_t piece = 0;
    std::size_t first = 0;
    find(p, piece, first);
    const Piece source = m_pieces[piece];
    const std::uint32_t offset = source.offset + static_cast<std::uint32_t>(p - first);
    appendShared(m_pieces, source.chunk, offset, 1);
    grow(source.chunk->words[offset]);
}

std::size_t PlacementList::countMarked(std::size_t from, std::size_t to) const
{
    std::size_t count = 0;
    for (std::size_t p = from; p < to;) {
        const std::size_t end = std::min(to, (p / 64 + 1) * 64);
        const std::uint64_t bits = m_marks[p / 64] >> (p % 64);
        count +=
            static_cast<std::size_t>(countBits(end - p == 64 ? bits : bits & ((std::uint64_t {1} << (end - p)) - 1)));
        p = end;
    }
    return count;
}

std::size_t PlacementList::nextWithMark(std::size_t p, std::size_t to, bool mark) const
{
    while (p < to) {
        std::uint64_t bits = mark ? m_marks[p / 64] : ~m_marks[p / 64];
        bits >>= p % 64;
        if (bits)
            return std::min(to, p + static_cast<std::size_t>(__builtin_ctzll(bits)));
        p = (p / 64 + 1) * 64;
    }
    return to;
}

bool PlacementList::keepMarked(bool keepFirst)
{
    if (keepFirst && m_size > 0)
        setMark(0, true);
    // The first placement dropped, or kept but not valid before (placement 0
    // kept as it is aside): the sums stay good up to it.
    std::size_t firstChanged = nextUnmarked(0, m_size);
    for (std::size_t w = 0; w < m_marks.size() && w * 64 < firstChanged; ++w) {
        std::uint64_t madeValid = m_marks[w] & ~m_valid[w];
        if (w == 0 && keepFirst)
            madeValid &= ~std::uint64_t {1};
        if (madeValid)
            firstChanged = std::min(firstChanged, w * 64 + static_cast<std::size_t>(__builtin_ctzll(madeValid)));
    }
    if (firstChanged == m_size) { // everything stays as it is
        std::fill(m_marks.begin(), m_marks.end(), 0);
        return false;
    }
    std::vector<Piece> kept;
    std::size_t count = 0;
    std::size_t first = 0;
    for (const Piece& piece : m_pieces) {
        const std::size_t end = first + piece.count;
        for (std::size_t from = nextMarked(first, end); from < end;) {
            const std::size_t to = nextUnmarked(from, end);
            const auto offset = static_cast<std::uint32_t>(piece.offset + (from - first));
            const auto length = static_cast<std::uint32_t>(to - from);
            if (length >= SharedStretch || length == piece.count) {
                appendShared(kept, piece.chunk, offset, length);
            } else {
                for (std::uint32_t m = 0; m < length; ++m)
                    appendWord(kept, piece.chunk->words[offset + m]);
            }
            count += length;
            from = nextMarked(to, end);
        }
        first = end;
    }
    const bool firstWasValid = m_size > 0 && isValid(0);
    addTermsFrom(firstChanged, ~std::uint64_t {0});
    for (const Piece& piece : m_pieces)
        release(piece);
    m_pieces = std::move(kept);
    m_lastPiece = 0;
    m_lastPieceFirst = 0;
    m_size = count;
    m_valid.assign((count + 63) / 64, ~std::uint64_t {0});
    m_marks.assign(m_valid.size(), 0);
    if (count % 64 != 0)
        m_valid.back() &= (std::uint64_t {1} << (count % 64)) - 1;
    if (keepFirst && count > 0 && !firstWasValid)
        m_valid[0] &= ~std::uint64_t {1};
    addTermsFrom(std::min(firstChanged, count), 1);
    return true;
}

void PlacementList::truncate(std::size_t count)
{
    if (count >= m_size)
        return;
    if (count == 0) {
        m_cellSum = 0;
        m_validitySum = 0;
    } else {
        addTermsFrom(count, ~std::uint64_t {0});
    }
    std::size_t first = 0;
    std::size_t i = 0;
    while (first + m_pieces[i].count <= count) {
        first += m_pieces[i].count;
        ++i;
    }
    if (count > first) {
        Piece& piece = m_pieces[i];
        const auto keep = static_cast<std::uint32_t>(count - first);
        if (piece.chunk->users == 1 && piece.offset + piece.count == piece.chunk->filled)
            piece.chunk->filled = piece.offset + keep;
        piece.count = keep;
        ++i;
    }
    for (std::size_t j = i; j < m_pieces.size(); ++j)
        release(m_pieces[j]);
    m_pieces.resize(i);
    m_lastPiece = 0;
    m_lastPieceFirst = 0;
    setSize(count);
}

void PlacementList::addTermsFrom(std::size_t from, std::uint64_t sign)
{
    std::uint64_t cells = 0;
    std::uint64_t validity = 0;
    forEachStretch(from, [&](const std::uint64_t* words, std::size_t count, std::size_t first) {
        for (std::size_t n = 0; n < count; ++n) {
            cells += cellTerm(first + n, words[n]);
            validity += (std::uint64_t {0} - static_cast<std::uint64_t>(isValid(first + n))) & validitySalt(first + n);
        }
    });
    m_cellSum += sign * cells;
    m_validitySum += sign * validity;
}

} // namespace gw
