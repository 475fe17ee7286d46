#include "PlacementList.h"

#include <algorithm>

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
        const std::uint64_t below = (std::uint64_t{1} << (size % 64)) - 1;
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

void PlacementList::appendWord(std::vector<Piece>& pieces, std::uint64_t word)
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

void PlacementList::append(std::uint64_t colored)
{
    appendWord(m_pieces, colored);
    const std::size_t p = m_size;
    setSize(m_size + 1);
    m_valid[p / 64] |= std::uint64_t{1} << (p % 64);
}

void PlacementList::appendCopyOf(std::size_t p)
{
    std::size_t piece = 0;
    std::size_t first = 0;
    find(p, piece, first);
    const Piece source = m_pieces[piece];
    appendShared(m_pieces, source.chunk, source.offset + static_cast<std::uint32_t>(p - first), 1);
    const std::size_t added = m_size;
    setSize(m_size + 1);
    m_valid[added / 64] |= std::uint64_t{1} << (added % 64);
}

void PlacementList::keepMarked(bool keepFirst)
{
    std::vector<Piece> kept;
    std::size_t count = 0;
    std::size_t firstChanged = m_size; // dropped, or made valid
    std::size_t first = 0;
    for (const Piece& piece : m_pieces) {
        std::uint32_t stretchStart = 0;
        bool inStretch = false;
        for (std::uint32_t n = 0; n <= piece.count; ++n) {
            const std::size_t p = first + n;
            const bool keep = n < piece.count && ((p == 0 && keepFirst) || marked(p));
            if (n < piece.count && (!keep || (!isValid(p) && !(p == 0 && keepFirst))))
                firstChanged = std::min(firstChanged, p);
            if (keep && !inStretch) {
                stretchStart = n;
                inStretch = true;
            } else if (!keep && inStretch) {
                const std::uint32_t length = n - stretchStart;
                if (length >= SharedStretch || length == piece.count) {
                    appendShared(kept, piece.chunk, piece.offset + stretchStart, length);
                } else {
                    for (std::uint32_t m = stretchStart; m < n; ++m)
                        appendWord(kept, piece.chunk->words[piece.offset + m]);
                }
                count += length;
                inStretch = false;
            }
        }
        first += piece.count;
    }
    const bool firstWasValid = m_size > 0 && isValid(0);
    for (const Piece& piece : m_pieces)
        release(piece);
    m_pieces = std::move(kept);
    m_lastPiece = 0;
    m_lastPieceFirst = 0;
    rewrittenFrom(firstChanged);
    m_size = count;
    m_valid.assign((count + 63) / 64, ~std::uint64_t{0});
    m_marks.assign(m_valid.size(), 0);
    if (count % 64 != 0)
        m_valid.back() &= (std::uint64_t{1} << (count % 64)) - 1;
    if (keepFirst && count > 0 && !firstWasValid)
        m_valid[0] &= ~std::uint64_t{1};
}

void PlacementList::truncate(std::size_t count)
{
    if (count >= m_size)
        return;
    rewrittenFrom(count);
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

void PlacementList::rewrittenFrom(std::size_t p)
{
    if (p < m_hashed) {
        m_hashed = 0;
        m_cellSum = 0;
        m_validitySum = 0;
    }
}

void PlacementList::hashUpToSize() const
{
    forEachStretch(m_hashed, [&](const std::uint64_t* words, std::size_t count, std::size_t first) {
        std::uint64_t salt = cellSalt(first - 1);
        std::uint64_t validSalt = validitySalt(first - 1);
        for (std::size_t n = 0; n < count; ++n) {
            salt += 0x9E3779B97F4A7C15ull;
            validSalt += 0xD6E8FEB86659FD93ull;
            m_cellSum += (words[n] ^ salt) * 0xBF58476D1CE4E5B9ull;
            m_validitySum += (std::uint64_t{0} - static_cast<std::uint64_t>(isValid(first + n))) & validSalt;
        }
    });
    m_hashed = m_size;
}

} // namespace gw
