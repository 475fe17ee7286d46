// Hints for solving by hand: which step they name, their sentences, and a
// walk through the public corpus applying hint after hint.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/PuzzleFile.h"
#include "core/tests/TestSupport.h"
#include "solver/analysis/Hint.h"
#include "solver/analysis/PuzzleAnalysis.h"

namespace gw::analysis {
namespace {

// Marks as rows: '?' unmarked, otherwise the cell letter marked.
std::vector<std::uint8_t> marksFromRows(const std::vector<std::string>& rows)
{
    std::vector<std::uint8_t> marks;
    for (const std::string& row : rows)
        for (const char c : row)
            marks.push_back(c == '?' ? std::uint8_t {0} : static_cast<std::uint8_t>(gwtest::cellFromChar(c) + 1));
    return marks;
}

struct HintCase {
    const char* name;
    std::vector<std::string> solution;
    std::vector<std::string> marks;
    HintKind kind;
    bool isRow;
    int line;
    std::vector<int> cells;
    const char* sentence;
};

class HintSteps : public testing::TestWithParam<HintCase> { };

TEST_P(HintSteps, NameTheLineTheCellsAndTheReason)
{
    const HintCase& c = GetParam();
    const Puzzle puzzle = gwtest::puzzleFromRows(c.solution);
    ClueTables clues;
    deriveClues(puzzle, clues);
    const Hint hint = findHint(puzzle, clues, marksFromRows(c.marks));
    EXPECT_EQ(hint.kind, c.kind);
    if (c.kind != HintKind::NeedsGuess && c.kind != HintKind::Complete) {
        EXPECT_EQ(hint.isRow, c.isRow);
        EXPECT_EQ(hint.line, c.line);
    }
    EXPECT_EQ(hint.cells, c.cells);
    EXPECT_EQ(hintSentence(hint, clues, Language::English), c.sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HintSteps,
    testing::Values(
        HintCase {"OverlapOfALongRun",
                  {"####.", "####."},
                  {"?????", "?????"},
                  HintKind::Overlap,
                  true,
                  0,
                  {1, 2, 3},
                  "Row 1, clue 4: these cells are black in every way the clue fits."},
        HintCase {"AnEmptyLineIsAllWhiteByItsClueAlone",
                  {"#.", "#."},
                  {"#?", "#?"},
                  HintKind::Overlap,
                  false,
                  1,
                  {0, 1},
                  "Column 2, clue 0: these cells are white in every way the clue fits."},
        HintCase {"TheMarksDecideTheRest",
                  {"#.", ".#"},
                  {"#?", "??"},
                  HintKind::WithMarks,
                  true,
                  0,
                  {1},
                  "Row 1, clue 1: with the cells marked so far, these cells are white in every way the clue fits."},
        HintCase {"AWrongMarkIsNamedByItsLine",
                  {"#.", ".#"},
                  {"##", "??"},
                  HintKind::Contradiction,
                  true,
                  0,
                  {},
                  "Row 1, clue 1: the marks in this line fit the clue in no way, so a mark is wrong."},
        // Each line still fits on its own, but the white mark in row 1 leaves
        // its run of 1 only the cells that the empty columns 1 and 3 keep white.
        HintCase {"AWrongMarkShowsWhenLineLogicGoesOn",
                  {".#.", ".#.", "..."},
                  {"?.?", "???", "???"},
                  HintKind::ContradictionFollows,
                  true,
                  0,
                  {},
                  "Row 1, clue 1: carrying the clues on from the marks made so far, this line can be filled in no "
                  "way, so a mark is wrong."},
        HintCase {"TwoSolutionsNeedAGuess",
                  {"#.", ".#"},
                  {"??", "??"},
                  HintKind::NeedsGuess,
                  true,
                  0,
                  {},
                  "No single row or column decides another cell: the puzzle needs a guess here."},
        HintCase {"EverythingMarked", {"#."}, {"#."}, HintKind::Complete, true, 0, {}, "Every cell is marked."}),
    [](const testing::TestParamInfo<HintCase>& row) { return std::string(row.param.name); });

TEST(HintSentence, InEachLanguage)
{
    const Puzzle puzzle = gwtest::puzzleFromRows({"###.#####"});
    ClueTables clues;
    deriveClues(puzzle, clues);
    const Hint hint = findHint(puzzle, clues, marksFromRows({"?????????"}));
    EXPECT_EQ(hintSentence(hint, clues, Language::English),
              "Row 1, clue 3 5: these cells are black in every way the clue fits.");
    EXPECT_EQ(hintSentence(hint, clues, Language::Dutch),
              "Rij 1, aanwijzing 3 5: deze hokjes zijn zwart op elke manier waarop de aanwijzing past.");
    EXPECT_EQ(hintSentence(hint, clues, Language::Italian),
              "Riga 1, indizio 3 5: ogni casella evidenziata \u00e8 nera in ogni modo in cui l'indizio si adatta.");
}

// Applying hint after hint on every public puzzle: each shaded cell agrees
// with the puzzle's picture (so no hint is ever wrong), every hint names a
// line and its clue, and exactly the puzzles the analysis finds line logic
// solves end complete.
TEST(HintCorpus, HintsAloneSolveWhatLineLogicSolves)
{
    const std::filesystem::path folder = std::filesystem::path(GRIDWICK_PUZZLES_DIR) / "public";
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "no puzzle corpus at " << folder;
    int solved = 0, guessing = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".pbm" && ext != ".ppm")
            continue;
        Puzzle puzzle;
        if (!readPuzzleFile(puzzle, entry.path().string(), ReaderVariant::Player).loaded())
            continue;
        ClueTables clues;
        deriveClues(puzzle, clues);
        const int w = puzzle.width;
        std::vector<std::uint8_t> marks(static_cast<std::size_t>(w * puzzle.height), 0);
        AnalysisOptions lineLogicOnly;
        lineLogicOnly.decideUniqueness = false;
        const bool lineSolvable = analyzePuzzle(puzzle, lineLogicOnly).lineSolvable;
        for (;;) {
            const Hint hint = findHint(puzzle, clues, marks);
            if (hint.kind == HintKind::Complete || hint.kind == HintKind::NeedsGuess) {
                EXPECT_EQ(hint.kind == HintKind::Complete, lineSolvable) << entry.path();
                ++(hint.kind == HintKind::Complete ? solved : guessing);
                break;
            }
            ASSERT_NE(hint.kind, HintKind::Contradiction) << entry.path();
            ASSERT_FALSE(hint.cells.empty());
            const std::string sentence = hintSentence(hint, clues, Language::English);
            ASSERT_EQ(sentence.rfind(hint.isRow ? "Row " : "Column ", 0), 0u) << sentence;
            ASSERT_NE(sentence.find(", clue "), std::string::npos) << sentence;
            for (const int i : hint.cells) {
                const int x = hint.isRow ? i : hint.line, y = hint.isRow ? hint.line : i;
                ASSERT_EQ(hint.color, puzzle.cell(x, y)) << entry.path() << " cell " << x << "," << y;
                marks[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint8_t>(hint.color + 1);
            }
        }
    }
    EXPECT_GT(solved, 0);
    std::printf("hints solved %d public puzzles; %d need a guess\n", solved, guessing);
}

} // namespace
} // namespace gw::analysis
