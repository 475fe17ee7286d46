#include "ColorGrid.h"

namespace gw::analysis {

namespace {

inline Word bit(int i) { return Word {1} << i; }
inline Word firstBits(int count) { return bit(count) - 1; }
constexpr int CacheBits = 12;

} // namespace

ColorGrid::ColorGrid(std::vector<LineClue> rows, std::vector<LineClue> columns)
    : m_width(static_cast<int>(columns.size())), m_height(static_cast<int>(rows.size())), m_rowClues(std::move(rows)),
      m_columnClues(std::move(columns))
{
    for (const LineClue& clue : m_rowClues)
        m_usedColors |= clue.colorMask;
    for (const LineClue& clue : m_columnClues)
        m_usedColors |= clue.colorMask;
    // Colour q: bit x of rowsWith... when column x's clue holds it, and so on.
    std::array<Word, PaletteSize> columnsWith {}, rowsWith {};
    columnsWith[White] = firstBits(m_width);
    rowsWith[White] = firstBits(m_height);
    for (int x = 0; x < m_width; ++x)
        for (unsigned rest = m_columnClues[static_cast<std::size_t>(x)].colorMask; rest != 0; rest &= rest - 1)
            columnsWith[static_cast<std::size_t>(lowestBit(rest))] |= bit(x);
    for (int y = 0; y < m_height; ++y)
        for (unsigned rest = m_rowClues[static_cast<std::size_t>(y)].colorMask; rest != 0; rest &= rest - 1)
            rowsWith[static_cast<std::size_t>(lowestBit(rest))] |= bit(y);
    for (int q = 0; q < PaletteSize; ++q) {
        const std::size_t color = static_cast<std::size_t>(q);
        for (int y = 0; y < m_height; ++y)
            m_rows[static_cast<std::size_t>(y)][color] = (rowsWith[color] >> y & 1) ? columnsWith[color] : 0;
        for (int x = 0; x < m_width; ++x)
            m_columns[static_cast<std::size_t>(x)][color] = (columnsWith[color] >> x & 1) ? rowsWith[color] : 0;
    }
    m_rowsQueued = firstBits(m_height);
    m_columnsQueued = firstBits(m_width);
}

std::uint8_t ColorGrid::colors(int x, int y) const
{
    unsigned mask = 0;
    for (unsigned rest = m_usedColors; rest != 0; rest &= rest - 1) {
        const int q = lowestBit(rest);
        mask |= static_cast<unsigned>((m_rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)] >> x) & 1) << q;
    }
    return static_cast<std::uint8_t>(mask);
}

Word ColorGrid::openIn(const LineColors& line) const
{
    Word seen = 0, twice = 0;
    for (unsigned rest = m_usedColors; rest != 0; rest &= rest - 1) {
        const Word w = line[static_cast<std::size_t>(lowestBit(rest))];
        twice |= seen & w;
        seen |= w;
    }
    return twice;
}

Word ColorGrid::openInRow(int y) const { return openIn(m_rows[static_cast<std::size_t>(y)]); }
Word ColorGrid::openInColumn(int x) const { return openIn(m_columns[static_cast<std::size_t>(x)]); }

int ColorGrid::openCells() const
{
    int open = 0;
    for (int y = 0; y < m_height; ++y)
        open += bitCount(openInRow(y));
    return open;
}

bool ColorGrid::solved() const
{
    for (int y = 0; y < m_height; ++y)
        if (openInRow(y) != 0)
            return false;
    return true;
}

CellGrid ColorGrid::colorSets() const
{
    CellGrid sets {};
    for (int y = 0; y < m_height; ++y)
        for (unsigned rest = m_usedColors; rest != 0; rest &= rest - 1) {
            const int q = lowestBit(rest);
            for (Word cells = m_rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)]; cells != 0;
                 cells &= cells - 1)
                sets[static_cast<std::size_t>(lowestBit(cells) + MaxPuzzleSize * y)] |=
                    static_cast<std::uint8_t>(1u << q);
        }
    return sets;
}

CellGrid ColorGrid::picture() const
{
    CellGrid cells;
    cells.fill(White);
    for (int y = 0; y < m_height; ++y)
        for (unsigned rest = m_usedColors & ~(1u << White); rest != 0; rest &= rest - 1) {
            const int q = lowestBit(rest);
            // A cell that may still be white stays white.
            for (Word only = m_rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)]
                             & ~m_rows[static_cast<std::size_t>(y)][White];
                 only != 0; only &= only - 1)
                cells[static_cast<std::size_t>(lowestBit(only) + MaxPuzzleSize * y)] = static_cast<std::uint8_t>(q);
        }
    return cells;
}

bool ColorGrid::restrict(int x, int y, std::uint8_t mask)
{
    const unsigned now = colors(x, y);
    if ((now & mask) == 0)
        return false;
    for (unsigned rest = now & ~unsigned {mask}; rest != 0; rest &= rest - 1)
        remove(false, y, lowestBit(rest), bit(x));
    return true;
}

bool ColorGrid::fixOutside(const CellGrid& picture, int firstRow, int lastRow, Word keepOpen)
{
    for (int y = 0; y < m_height; ++y) {
        const Word fixed = firstBits(m_width) & (y >= firstRow && y <= lastRow ? ~keepOpen : ~Word {0});
        LineColors own {};
        for (int x = 0; x < m_width; ++x)
            own[picture[static_cast<std::size_t>(x + MaxPuzzleSize * y)]] |= bit(x);
        for (unsigned rest = m_usedColors; rest != 0; rest &= rest - 1) {
            const int q = lowestBit(rest);
            const Word removed = m_rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)] & fixed
                                 & ~own[static_cast<std::size_t>(q)];
            if ((own[static_cast<std::size_t>(q)] & fixed
                 & ~m_rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)])
                != 0)
                return false;
            if (removed != 0)
                remove(false, y, q, removed);
        }
    }
    return true;
}

void ColorGrid::remove(bool column, int line, int color, Word removed)
{
    LineColors& own = (column ? m_columns : m_rows)[static_cast<std::size_t>(line)];
    own[static_cast<std::size_t>(color)] &= ~removed;
    std::array<LineColors, MaxPuzzleSize>& crossing = column ? m_rows : m_columns;
    for (Word rest = removed; rest != 0; rest &= rest - 1) {
        const int i = lowestBit(rest);
        crossing[static_cast<std::size_t>(i)][static_cast<std::size_t>(color)] &= ~bit(line);
    }
    if (column) {
        m_rowsQueued |= removed;
        m_columnsQueued |= bit(line);
    } else {
        m_columnsQueued |= removed;
        m_rowsQueued |= bit(line);
    }
    if (m_recording)
        m_trail.push_back(
            {column, static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(color), removed, ++m_serials});
}

ColorGrid::LineSet ColorGrid::changedSince(std::size_t trail) const
{
    LineSet lines;
    for (std::size_t i = trail; i < m_trail.size(); ++i) {
        const Change& change = m_trail[i];
        (change.column ? lines.columns : lines.rows) |= bit(change.line);
        (change.column ? lines.rows : lines.columns) |= change.removed;
    }
    return lines;
}

bool ColorGrid::solveOneLine(bool column, int line, LineColors& cells)
{
    const LineClue& clue = (column ? m_columnClues : m_rowClues)[static_cast<std::size_t>(line)];
    const int length = column ? m_height : m_width;
    if (m_simpleLines)
        return solveLineSimple(clue, length, cells);
    if (m_cache.empty()) {
        if (m_cacheAfter < 0 || m_lineSolves < m_cacheAfter)
            return solveLine(clue, length, cells);
        m_cache.resize(std::size_t {1} << CacheBits);
    }
    std::uint64_t hash = static_cast<std::uint64_t>(line) * 2 + (column ? 1 : 0);
    for (const Word w : cells)
        hash = (hash ^ w) * 0x9E3779B97F4A7C15ull;
    CachedSolve& entry = m_cache[static_cast<std::size_t>(hash >> (64 - CacheBits))];
    if (entry.used && entry.line == line && entry.column == column && entry.before == cells) {
        if (entry.solvable)
            cells = entry.after;
        return entry.solvable;
    }
    entry.used = true;
    entry.line = static_cast<std::uint8_t>(line);
    entry.column = column;
    entry.before = cells;
    entry.solvable = solveLine(clue, length, cells);
    entry.after = cells;
    return entry.solvable;
}

bool ColorGrid::solveQueued(bool columns)
{
    Word& queued = columns ? m_columnsQueued : m_rowsQueued;
    std::array<LineColors, MaxPuzzleSize>& lines = columns ? m_columns : m_rows;
    while (queued != 0) {
        const int line = lowestBit(queued);
        queued &= queued - 1;
        ++m_lineSolves;
        LineColors narrowed = lines[static_cast<std::size_t>(line)];
        if (!solveOneLine(columns, line, narrowed))
            return false;
        for (unsigned rest = m_usedColors; rest != 0; rest &= rest - 1) {
            const int q = lowestBit(rest);
            const Word removed = lines[static_cast<std::size_t>(line)][static_cast<std::size_t>(q)]
                                 & ~narrowed[static_cast<std::size_t>(q)];
            if (removed != 0)
                remove(columns, line, q, removed);
        }
        // A solved line stays solved: only crossing lines need another look.
        queued &= ~bit(line);
    }
    return true;
}

bool ColorGrid::propagate()
{
    while (m_rowsQueued != 0 || m_columnsQueued != 0) {
        if (!solveQueued(false) || !solveQueued(true))
            return false;
    }
    return true;
}

void ColorGrid::undo(const Mark& mark)
{
    while (m_trail.size() > mark.trail) {
        const Change change = m_trail.back();
        m_trail.pop_back();
        LineColors& own = (change.column ? m_columns : m_rows)[change.line];
        own[change.color] |= change.removed;
        std::array<LineColors, MaxPuzzleSize>& crossing = change.column ? m_rows : m_columns;
        for (Word rest = change.removed; rest != 0; rest &= rest - 1)
            crossing[static_cast<std::size_t>(lowestBit(rest))][change.color] |= bit(change.line);
    }
    m_rowsQueued = mark.rowsQueued;
    m_columnsQueued = mark.columnsQueued;
}

} // namespace gw::analysis
