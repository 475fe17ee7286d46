#include "Hint.h"

#include <optional>

#include "ExactLineSolver.h"
#include "core/Palette.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw::analysis {

namespace {

struct Line {
    bool isRow;
    int index;
    int length;
};

std::uint8_t markAt(const Puzzle& puzzle, const std::vector<std::uint8_t>& marks, const Line& line, int i)
{
    const int x = line.isRow ? i : line.index, y = line.isRow ? line.index : i;
    return marks[static_cast<std::size_t>(y * puzzle.width + x)];
}

// The colours the cells of `line` may take before solving: a marked cell its
// mark's colour (when `useMarks`), any other white or a colour of the clue.
LineColors startColors(const Puzzle& puzzle, const std::vector<std::uint8_t>& marks, const Line& line,
                       const LineClue& clue, bool useMarks)
{
    LineColors cells {};
    const unsigned open = clue.colorMask | 1u << White;
    for (int i = 0; i < line.length; ++i) {
        const std::uint8_t mark = useMarks ? markAt(puzzle, marks, line, i) : std::uint8_t {0};
        const unsigned set = mark == 0 ? open : 1u << (mark - 1);
        for (int q = 0; q < PaletteSize; ++q)
            if (set & (1u << q))
                cells[static_cast<std::size_t>(q)] |= Word {1} << i;
    }
    return cells;
}

// The largest group of one colour among the unmarked cells `cells` decides.
std::optional<Hint> decidedCells(const Puzzle& puzzle, const std::vector<std::uint8_t>& marks, const Line& line,
                                 const LineColors& cells, HintKind kind)
{
    Word unmarked = 0;
    for (int i = 0; i < line.length; ++i)
        if (markAt(puzzle, marks, line, i) == 0)
            unmarked |= Word {1} << i;
    std::optional<Hint> best;
    for (int q = 0; q < PaletteSize; ++q) {
        Word only = cells[static_cast<std::size_t>(q)] & unmarked;
        for (int other = 0; other < PaletteSize; ++other)
            if (other != q)
                only &= ~cells[static_cast<std::size_t>(other)];
        if (only == 0 || (best && bitCount(only) <= static_cast<int>(best->cells.size())))
            continue;
        Hint hint;
        hint.kind = kind;
        hint.isRow = line.isRow;
        hint.line = line.index;
        hint.color = q;
        for (Word w = only; w != 0; w &= w - 1)
            hint.cells.push_back(lowestBit(w));
        best = hint;
    }
    return best;
}

// Line logic over the whole grid from `start` (the colours each line's cells
// may take, rows first, then columns): lines are solved round after round
// until nothing changes. Returns the first line left without a placement.
std::optional<Line> propagationContradiction(const Puzzle& puzzle, const ClueTables& clues,
                                             const std::vector<Line>& lines, std::vector<LineColors> start)
{
    const int w = puzzle.width, h = puzzle.height;
    // The colour set of every cell, bit q for colour q, from the rows' colours.
    std::vector<unsigned> sets(static_cast<std::size_t>(w * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int q = 0; q < PaletteSize; ++q)
                if (start[static_cast<std::size_t>(y)][static_cast<std::size_t>(q)] >> x & 1u)
                    sets[static_cast<std::size_t>(y * w + x)] |= 1u << q;
    // A column's start narrows its cells as well.
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            unsigned column = 0;
            for (int q = 0; q < PaletteSize; ++q)
                if (start[static_cast<std::size_t>(h + x)][static_cast<std::size_t>(q)] >> y & 1u)
                    column |= 1u << q;
            sets[static_cast<std::size_t>(y * w + x)] &= column;
        }
    for (bool changed = true; changed;) {
        changed = false;
        for (const Line& line : lines) {
            auto at = [&](int i) -> unsigned& {
                const int x = line.isRow ? i : line.index, y = line.isRow ? line.index : i;
                return sets[static_cast<std::size_t>(y * w + x)];
            };
            LineColors cells {};
            for (int i = 0; i < line.length; ++i)
                for (int q = 0; q < PaletteSize; ++q)
                    if (at(i) >> q & 1u)
                        cells[static_cast<std::size_t>(q)] |= Word {1} << i;
            const LineClue& clue = clues.line(line.isRow, line.index);
            if (!solveLine(clue, line.length, cells))
                return line;
            for (int i = 0; i < line.length; ++i) {
                unsigned set = 0;
                for (int q = 0; q < PaletteSize; ++q)
                    if (cells[static_cast<std::size_t>(q)] >> i & 1u)
                        set |= 1u << q;
                if (set != at(i)) {
                    at(i) = set;
                    changed = true;
                }
            }
        }
    }
    return std::nullopt;
}

void keepLarger(std::optional<Hint>& best, std::optional<Hint> candidate)
{
    if (candidate && (!best || candidate->cells.size() > best->cells.size()))
        best = std::move(candidate);
}

std::string clueText(const ClueTables& clues, bool isRow, int line)
{
    const LineClue& clue = clues.line(isRow, line);
    if (clue.count == 0)
        return "0";
    std::string text;
    for (int k = 0; k < clue.count; ++k)
        text += (k ? " " : "") + std::to_string(clue.length(k));
    return text;
}

void replace(std::string& text, const std::string& mark, const std::string& by)
{
    const std::size_t at = text.find(mark);
    if (at != std::string::npos)
        text.replace(at, mark.size(), by);
}

} // namespace

Hint findHint(const Puzzle& puzzle, const ClueTables& clues, const std::vector<std::uint8_t>& marks)
{
    std::vector<Line> lines;
    for (int y = 0; y < puzzle.height; ++y)
        lines.push_back({true, y, puzzle.width});
    for (int x = 0; x < puzzle.width; ++x)
        lines.push_back({false, x, puzzle.height});

    std::optional<Hint> overlap, withMarks;
    bool anyUnmarked = false;
    std::vector<LineColors> marked;
    auto contradiction = [](HintKind kind, const Line& line) {
        Hint hint;
        hint.kind = kind;
        hint.isRow = line.isRow;
        hint.line = line.index;
        return hint;
    };
    for (const Line& line : lines) {
        const LineClue& clue = clues.line(line.isRow, line.index);
        marked.push_back(startColors(puzzle, marks, line, clue, true));
        LineColors solved = marked.back();
        if (!solveLine(clue, line.length, solved))
            return contradiction(HintKind::Contradiction, line);
        for (int i = 0; i < line.length; ++i)
            anyUnmarked = anyUnmarked || markAt(puzzle, marks, line, i) == 0;
        LineColors alone = startColors(puzzle, marks, line, clue, false);
        solveLine(clue, line.length, alone);
        keepLarger(overlap, decidedCells(puzzle, marks, line, alone, HintKind::Overlap));
        keepLarger(withMarks, decidedCells(puzzle, marks, line, solved, HintKind::WithMarks));
    }
    if (const std::optional<Line> line = propagationContradiction(puzzle, clues, lines, std::move(marked)))
        return contradiction(HintKind::ContradictionFollows, *line);
    if (overlap)
        return *overlap;
    if (withMarks)
        return *withMarks;
    Hint hint;
    hint.kind = anyUnmarked ? HintKind::NeedsGuess : HintKind::Complete;
    return hint;
}

std::string hintSentence(const Hint& hint, const ClueTables& clues, Language language)
{
    const Text* text = &txt::HintNeedsGuess;
    switch (hint.kind) {
    case HintKind::Overlap:
        text = &txt::HintOverlap;
        break;
    case HintKind::WithMarks:
        text = &txt::HintWithMarks;
        break;
    case HintKind::Contradiction:
        text = &txt::HintContradiction;
        break;
    case HintKind::ContradictionFollows:
        text = &txt::HintContradictionFollows;
        break;
    case HintKind::NeedsGuess:
        text = &txt::HintNeedsGuess;
        break;
    case HintKind::Complete:
        text = &txt::HintComplete;
        break;
    }
    std::string sentence = chooseText(language, *text);
    replace(sentence, "%1", chooseText(language, hint.isRow ? txt::HintRow : txt::HintColumn));
    replace(sentence, "%2", std::to_string(hint.line + 1));
    replace(sentence, "%3", clueText(clues, hint.isRow, hint.line));
    replace(sentence, "%4", colorName(language, hint.color));
    return sentence;
}

} // namespace gw::analysis
