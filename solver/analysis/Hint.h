#pragma once
// Hints for a person solving by hand: the next step line logic allows from
// the marks made so far, in one row or column, with a sentence that says
// which line, which clue and what follows. A hint never marks anything.
//
// The step preferred is the simplest: a line whose clue alone decides a cell
// still unmarked (overlap: the cell has that colour wherever the clue's runs
// are placed in the empty line), then a line whose clue and current marks
// together decide one (the whole line solved exactly, solveLine). Among the
// lines of one kind the one deciding the most cells of one colour wins. A
// line whose marks no placement of its clue fits is reported first, without
// telling which mark is wrong; then a line that line logic, carried on from
// the marks over the whole grid, finds no placement for. Line logic is sound,
// so marks that agree with some solution never get either report.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Clues.h"
#include "core/Puzzle.h"

namespace gw::analysis {

enum class HintKind {
    Overlap,       // the clue alone decides `cells`
    WithMarks,     // the clue and the marks in the line decide `cells`
    Contradiction, // the marks of the line fit no placement of its clue
    // Line logic carried on from the marks leaves the line no placement: a
    // mark is wrong, though every line on its own still fits its clue.
    ContradictionFollows,
    NeedsGuess, // no single line decides another cell
    Complete,   // every cell is marked and no line contradicts its clue
};

struct Hint {
    HintKind kind = HintKind::NeedsGuess;
    bool isRow = true;
    int line = 0;           // row y or column x (every kind but NeedsGuess and Complete)
    int color = 0;          // palette index every cell of `cells` must have
    std::vector<int> cells; // positions along the line (x in a row, y in a column), ascending
};

// The hint for the marks `marks` (puzzle width x height, row by row: 0
// unmarked, k = 1..8 marked with palette index k - 1) of `puzzle`'s size
// against `clues`.
Hint findHint(const Puzzle& puzzle, const ClueTables& clues, const std::vector<std::uint8_t>& marks);

// The hint's sentence in `language`, for example "Row 7, clue 3 5: these
// cells are black in every way the clue fits." Rows and columns count from
// 1; the clue is its run lengths.
std::string hintSentence(const Hint& hint, const ClueTables& clues, Language language);

} // namespace gw::analysis
