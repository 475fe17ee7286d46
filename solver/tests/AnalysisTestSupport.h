#pragma once
// Lines written as strings for the analysis tests, and slow but plain
// reference solvers to check the analysis against.
//
// A clue is runs separated by spaces, each a length and a colour letter
// ("2 1R 3B"; no letter: black). Cells are letters as in
// core/tests/TestSupport.h ('.' white, '#' black, R B Y G M A), '?' for
// "white or any colour of the clue", or a set in brackets ("[.R]").
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/Clues.h"
#include "core/tests/TestSupport.h"
#include "solver/analysis/ExactLineSolver.h"

namespace gw::testing {

using analysis::LineColors;

inline LineClue clueFromText(const std::string& text)
{
    LineClue clue;
    std::istringstream runs(text);
    for (std::string run; runs >> run;) {
        const bool lettered = !std::isdigit(static_cast<unsigned char>(run.back()));
        clue.addRun(std::stoi(run), lettered ? gwtest::cellFromChar(run.back()) : std::uint8_t {Black});
    }
    return clue;
}

// The colour sets of `text`'s cells as masks (bit q: palette colour q).
inline std::vector<unsigned> cellSetsFromText(const std::string& text, const LineClue& clue)
{
    std::vector<unsigned> sets;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '?') {
            sets.push_back(clue.colorMask | 1u << White);
        } else if (text[i] == '[') {
            unsigned set = 0;
            for (++i; text[i] != ']'; ++i)
                set |= 1u << gwtest::cellFromChar(text[i]);
            sets.push_back(set);
        } else {
            sets.push_back(1u << gwtest::cellFromChar(text[i]));
        }
    }
    return sets;
}

inline std::string textFromCellSets(const std::vector<unsigned>& sets, const LineClue& clue)
{
    std::string text;
    for (unsigned set : sets) {
        if (set == (clue.colorMask | 1u << White) && (set & (set - 1)) != 0) {
            text += '?';
        } else if ((set & (set - 1)) == 0 && set != 0) {
            text += gwtest::CellLetters[__builtin_ctz(set)];
        } else {
            text += '[';
            for (int q = 0; q < PaletteSize; ++q)
                if (set & 1u << q)
                    text += gwtest::CellLetters[q];
            text += ']';
        }
    }
    return text;
}

inline LineColors wordsFromCellSets(const std::vector<unsigned>& sets)
{
    LineColors words {};
    for (std::size_t i = 0; i < sets.size(); ++i)
        for (int q = 0; q < PaletteSize; ++q)
            if (sets[i] & 1u << q)
                words[static_cast<std::size_t>(q)] |= std::uint64_t {1} << i;
    return words;
}

inline std::vector<unsigned> cellSetsFromWords(const LineColors& words, int length)
{
    std::vector<unsigned> sets(static_cast<std::size_t>(length), 0);
    for (int i = 0; i < length; ++i)
        for (int q = 0; q < PaletteSize; ++q)
            if ((words[static_cast<std::size_t>(q)] >> i) & 1)
                sets[static_cast<std::size_t>(i)] |= 1u << q;
    return sets;
}

// Every complete colouring of a line of `length` cells that `clue` allows
// and that keeps each cell within `sets` (empty: no restriction), by
// placing the runs one after the other.
inline void forEachPlacement(const LineClue& clue, int length, const std::vector<unsigned>& sets,
                             const std::function<void(const std::vector<std::uint8_t>&)>& visit)
{
    std::vector<std::uint8_t> line(static_cast<std::size_t>(length), White);
    auto fits = [&](int i, std::uint8_t color) {
        return sets.empty() || (sets[static_cast<std::size_t>(i)] >> color & 1);
    };
    std::function<void(int, int)> place = [&](int run, int from) {
        if (run == clue.count) {
            for (int i = from; i < length; ++i)
                if (!fits(i, White))
                    return;
            visit(line);
            return;
        }
        const int runLength = clue.lengths[static_cast<std::size_t>(run)];
        const std::uint8_t color = clue.colors[static_cast<std::size_t>(run)];
        for (int start = from; start + runLength <= length; ++start) {
            if (start > from && !fits(start - 1, White))
                break; // the cells before the run are white
            bool ok = true;
            for (int i = start; i < start + runLength && ok; ++i)
                ok = fits(i, color);
            if (!ok)
                continue;
            const bool gap = run + 1 < clue.count && clue.colors[static_cast<std::size_t>(run + 1)] == color;
            if (gap && start + runLength < length && !fits(start + runLength, White))
                continue;
            for (int i = start; i < start + runLength; ++i)
                line[static_cast<std::size_t>(i)] = color;
            place(run + 1, start + runLength + (gap ? 1 : 0));
            for (int i = start; i < start + runLength; ++i)
                line[static_cast<std::size_t>(i)] = White;
        }
    };
    place(0, 0);
}

// The reference line solver: the union of all placements. Returns false
// when there is none.
inline bool solveLineByPlacements(const LineClue& clue, int length, std::vector<unsigned>& sets)
{
    std::vector<unsigned> reached(sets.size(), 0);
    bool any = false;
    forEachPlacement(clue, length, sets, [&](const std::vector<std::uint8_t>& line) {
        any = true;
        for (std::size_t i = 0; i < line.size(); ++i)
            reached[i] |= 1u << line[i];
    });
    if (any)
        sets = reached;
    return any;
}

// Reference line logic: every row and column solved by placements until
// nothing changes. The cells' sets, row by row (x + width * y); empty on a
// contradiction.
inline std::vector<unsigned> lineLogicByPlacements(const ClueTables& clues, int width, int height)
{
    std::vector<unsigned> cells(static_cast<std::size_t>(width * height), 0xFFu);
    for (bool changed = true; changed;) {
        changed = false;
        for (int pass = 0; pass < 2; ++pass) {
            const bool columns = pass == 1;
            for (int line = 0; line < (columns ? width : height); ++line) {
                const int length = columns ? height : width;
                const LineClue& clue = clues.line(!columns, line);
                std::vector<unsigned> sets;
                auto at = [&](int i) -> unsigned& {
                    return cells[static_cast<std::size_t>(columns ? line + width * i : i + width * line)];
                };
                for (int i = 0; i < length; ++i)
                    sets.push_back(at(i));
                if (!solveLineByPlacements(clue, length, sets))
                    return {};
                for (int i = 0; i < length; ++i) {
                    changed |= at(i) != sets[static_cast<std::size_t>(i)];
                    at(i) = sets[static_cast<std::size_t>(i)];
                }
            }
        }
    }
    return cells;
}

// Up to `limit` solutions of the clues, row by row (x + width * y): every
// combination of the rows' placements whose columns match their clues.
inline std::vector<std::vector<std::uint8_t>> solutionsByPlacements(const ClueTables& clues, int width, int height,
                                                                    std::size_t limit)
{
    std::vector<std::vector<std::vector<std::uint8_t>>> rowLines(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        forEachPlacement(
            clues.rows[static_cast<std::size_t>(y)], width, {},
            [&](const std::vector<std::uint8_t>& line) { rowLines[static_cast<std::size_t>(y)].push_back(line); });
    std::vector<std::vector<std::uint8_t>> found;
    std::vector<std::uint8_t> grid(static_cast<std::size_t>(width * height));
    std::function<void(int)> fill = [&](int y) {
        if (found.size() >= limit)
            return;
        if (y == height) {
            for (int x = 0; x < width; ++x) {
                bool matches = false;
                std::vector<unsigned> column;
                for (int row = 0; row < height; ++row)
                    column.push_back(1u << grid[static_cast<std::size_t>(x + width * row)]);
                forEachPlacement(clues.columns[static_cast<std::size_t>(x)], height, column,
                                 [&](const std::vector<std::uint8_t>&) { matches = true; });
                if (!matches)
                    return;
            }
            found.push_back(grid);
            return;
        }
        for (const std::vector<std::uint8_t>& line : rowLines[static_cast<std::size_t>(y)]) {
            std::copy(line.begin(), line.end(), grid.begin() + width * y);
            fill(y + 1);
        }
    };
    fill(0);
    return found;
}

} // namespace gw::testing
