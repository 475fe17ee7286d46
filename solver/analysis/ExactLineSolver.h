#pragma once
// Exact solving of one line in up to eight colours: every cell keeps exactly
// the colours that at least one placement of the line's clue allows, given
// the colours each cell may still take.
#include <array>
#include <cstdint>

#include "LineWords.h"
#include "core/LineClue.h"
#include "core/Palette.h"

namespace gw::analysis {

// The colours the cells of one line may still take: bit i of word q is set
// when cell i may have palette colour q. Bits at or beyond the line's length
// are zero.
using LineColors = std::array<Word, PaletteSize>;

// Narrows `cells`, a line of `length` cells (1..50), to exactly the colours
// that some placement of `clue` consistent with `cells` gives each cell.
// Returns false, leaving `cells` as it was, when no placement is consistent.
//
// The placements are never listed: a forward pass finds, run by run, the set
// of start positions at which runs 1..k fit into the cells before them, a
// backward pass the starts from which runs k..count fit into the cells after
// them, and a start lies in both sets exactly when some complete placement
// puts run k there. Each set is one word. Fitting a run of length L takes
// log2(L) shifts and ANDs; moving right across any number of white cells
// takes one addition (its carries run through the white cells and stop at
// the first cell that cannot be white), moving left six shifts and ANDs.
bool solveLine(const LineClue& clue, int length, LineColors& cells);
// The same, also setting runStarts[k] (room for clue.count words) to the
// starts at which some consistent placement puts run k.
bool solveLine(const LineClue& clue, int length, LineColors& cells, Word* runStarts);

// The quick rules of the left-right overlap solvers, weaker than solveLine:
// each run's range lies between its leftmost and its rightmost start in any
// placement consistent with `cells`; a cell where a run's leftmost and
// rightmost placements overlap takes that run's colour, a cell that no range
// of a colour covers loses that colour (so one that no range covers is
// white). Whatever it keeps, solveLine keeps too. Returns false, leaving
// `cells` as it was, when no placement is consistent.
bool solveLineSimple(const LineClue& clue, int length, LineColors& cells);

} // namespace gw::analysis
