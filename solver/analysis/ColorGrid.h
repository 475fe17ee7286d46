#pragma once
// The colours every cell of a puzzle may still take, kept per row and per
// column as line words, with line propagation and an undo trail for search.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ExactLineSolver.h"
#include "core/Puzzle.h"

namespace gw::analysis {

// One byte per cell, cell (x, y) at x + 50 * y as in Puzzle::cells.
using CellGrid = std::array<std::uint8_t, CellCount>;

class ColorGrid {
public:
    // A grid of rows.size() x columns.size() cells (1..50 each). Every cell
    // may be white and may take each colour that both its row's and its
    // column's clue hold; every line is queued for solving.
    ColorGrid(std::vector<LineClue> rows, std::vector<LineClue> columns);

    // From now on lines are solved by the quick overlap rules
    // (solveLineSimple) instead of exactly.
    void useSimpleLineRules() { m_simpleLines = true; }
    // Remember the results of recent line solves (exact rules only), for a
    // search that meets the same lines over and over: once the grid has
    // solved `after` lines in all, so that short work never pays for the
    // table (about half a megabyte, not shared with copies).
    void cacheLineSolves(std::int64_t after = 20000) { m_cacheAfter = after; }

    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::vector<LineClue>& rowClues() const { return m_rowClues; }
    const std::vector<LineClue>& columnClues() const { return m_columnClues; }

    // Bit q set when cell (x, y) may still have palette colour q.
    std::uint8_t colors(int x, int y) const;
    // The colours of row y (bit x of word q: cell (x, y) may have colour q).
    const LineColors& row(int y) const { return m_rows[static_cast<std::size_t>(y)]; }
    // Bit x set when cell (x, y) may still take more than one colour.
    Word openInRow(int y) const;
    // Bit y set when cell (x, y) may still take more than one colour.
    Word openInColumn(int x) const;
    // Cells that may still take more than one colour.
    int openCells() const;
    bool solved() const;
    // Every cell's colours as bits (bit q: colour q), zero outside the grid.
    CellGrid colorSets() const;
    // The palette index of every cell; meaningful for cells that are not open.
    CellGrid picture() const;

    // Keeps only the colours of `mask` at (x, y) and queues its row and
    // column. Returns false, changing nothing, when none would be left.
    bool restrict(int x, int y, std::uint8_t mask);
    // Keeps only the colour of `picture` at every cell of rows
    // firstRow..lastRow outside the columns of `keepOpen` and at every cell
    // of the other rows; queues what changed. Returns false when some such
    // cell may no longer take the picture's colour (the grid is then partly
    // narrowed and should be undone to a mark).
    bool fixOutside(const CellGrid& picture, int firstRow, int lastRow, Word keepOpen);
    // Solves queued lines (rows first, then columns, round after round) until
    // none is queued. Returns false when a line has no placement; the grid is
    // then partly narrowed and should be undone to a mark.
    bool propagate();

    // From now on every change is recorded, so that undo() can take it back.
    void recordChanges() { m_recording = true; }
    // A point to return to (changes must be recorded). Taken after
    // propagate() it restores the fixpoint.
    struct Mark {
        std::size_t trail;
        Word rowsQueued, columnsQueued;
    };
    Mark mark() const { return {m_trail.size(), m_rowsQueued, m_columnsQueued}; }
    void undo(const Mark& mark);

    // Rows and columns, one bit each.
    struct LineSet {
        Word rows = 0, columns = 0;
        bool meets(const LineSet& other) const { return (rows & other.rows) != 0 || (columns & other.columns) != 0; }
    };
    // The grid as it is now, recognisable later: it still holds() while no
    // change made before it has been undone, so that the grid is then the
    // same or narrower.
    struct Stamp {
        std::size_t trail = 0;
        std::uint64_t serial = 0; // of the last change before it
    };
    Stamp stamp() const { return {m_trail.size(), m_trail.empty() ? 0 : m_trail.back().serial}; }
    bool holds(const Stamp& stamp) const
    {
        return m_trail.size() >= stamp.trail && (stamp.trail == 0 || m_trail[stamp.trail - 1].serial == stamp.serial);
    }
    // The lines that lost a colour since trail position `trail` (a Mark's
    // or a Stamp's; changes must be recorded).
    LineSet changedSince(std::size_t trail) const;
    // Calls visit(x, y) for every cell that lost a colour since `mark`
    // (changes must be recorded); a cell may come more than once.
    template <typename Visit> void forEachChangedCell(const Mark& mark, Visit visit) const
    {
        for (std::size_t i = mark.trail; i < m_trail.size(); ++i) {
            const Change& change = m_trail[i];
            for (Word cells = change.removed; cells != 0; cells &= cells - 1) {
                const int along = lowestBit(cells);
                if (change.column)
                    visit(int {change.line}, along);
                else
                    visit(along, int {change.line});
            }
        }
    }

    std::int64_t lineSolves() const { return m_lineSolves; }

private:
    // Colours removed from one line word: bit i of `removed` for cell i.
    struct Change {
        bool column;
        std::uint8_t line;
        std::uint8_t color;
        Word removed;
        std::uint64_t serial; // unique for the grid's lifetime
    };
    Word openIn(const LineColors& line) const;
    bool solveQueued(bool columns);
    bool solveOneLine(bool column, int line, LineColors& cells);
    void remove(bool column, int line, int color, Word removed);

    int m_width;
    int m_height;
    std::vector<LineClue> m_rowClues;
    std::vector<LineClue> m_columnClues;
    std::array<LineColors, MaxPuzzleSize> m_rows {};    // bit x of word q: (x, y) may be q
    std::array<LineColors, MaxPuzzleSize> m_columns {}; // bit y of word q: (x, y) may be q
    unsigned m_usedColors = 1u << White;                // colours of any clue, and white
    Word m_rowsQueued = 0;
    Word m_columnsQueued = 0;
    std::vector<Change> m_trail;
    std::uint64_t m_serials = 0;
    bool m_recording = false;
    bool m_simpleLines = false;
    // Recent line solves: the cells before (key) and after; a line without
    // placement keeps `solvable` false. Direct-mapped by a hash of the key.
    struct CachedSolve {
        LineColors before {}, after {};
        std::uint8_t line = 0;
        bool column = false, used = false, solvable = false;
    };
    std::vector<CachedSolve> m_cache;
    std::int64_t m_cacheAfter = -1; // -1: no table wanted
    std::int64_t m_lineSolves = 0;
};

} // namespace gw::analysis
