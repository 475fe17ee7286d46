#pragma once
#include <array>
#include <cstdint>

#include "LineClue.h"
#include "Puzzle.h"

namespace gw {

// The clues of a puzzle: row y's in rows[y], column x's in columns[x]. Lines
// beyond the puzzle's width and height hold no runs.
struct ClueTables {
    std::array<LineClue, MaxPuzzleSize> rows {};
    std::array<LineClue, MaxPuzzleSize> columns {};
    std::int16_t maxRowClues = 1;    // largest row count, at least 1
    std::int16_t maxColumnClues = 1; // largest column count, at least 1

    const LineClue& line(bool isRow, int index) const
    {
        return (isRow ? rows : columns)[static_cast<std::size_t>(index)];
    }
    // The same tables: every line's runs and the max counts.
    friend bool operator==(const ClueTables& a, const ClueTables& b)
    {
        return a.rows == b.rows && a.columns == b.columns && a.maxRowClues == b.maxRowClues
               && a.maxColumnClues == b.maxColumnClues;
    }
};

// Derives every line's runs from the puzzle's cells. Only the width x height
// cells count.
void deriveClues(const Puzzle& puzzle, ClueTables& clues);

} // namespace gw
