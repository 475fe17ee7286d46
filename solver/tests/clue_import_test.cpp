// Making puzzles from clue files: a given solution, bare clues solved by the
// analysis (unique, several, none, undecided), the puzzle untouched on any
// failure, and every public puzzle exported in both formats and imported
// back to the same picture.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/PuzzleFile.h"
#include "core/tests/TestSupport.h"
#include "solver/analysis/ClueImport.h"

namespace {

using gw::ClueFormat;
using gw::analysis::importClues;

gw::Puzzle drawnPuzzle()
{
    gw::Puzzle p = gwtest::puzzleFromRows({"#.", ".#"});
    p.name = "before";
    p.fileName = "/p/before.pbm";
    p.changed = true;
    return p;
}

struct ImportCase {
    const char* name;
    std::string non;
    std::vector<std::string> rows; // the picture, or empty when refused
    std::string message;           // the last message, English
};

class ClueImport : public testing::TestWithParam<ImportCase> { };

TEST_P(ClueImport, GivesThePictureOrSaysWhyNot)
{
    const ImportCase& c = GetParam();
    gw::Puzzle puzzle = drawnPuzzle();
    const gw::analysis::ClueImportResult result =
        importClues(puzzle, gw::readClueData(c.non, ClueFormat::Non, "/q/cat.non"), "/q/cat.non");
    EXPECT_EQ(result.imported, !c.rows.empty());
    if (!result.imported) {
        EXPECT_EQ(result.messages.back().text, c.message);
        const gw::Puzzle untouched = drawnPuzzle();
        EXPECT_EQ(puzzle.cells, untouched.cells);
        EXPECT_EQ(puzzle.name, "before");
        EXPECT_EQ(puzzle.fileName, "/p/before.pbm");
        EXPECT_TRUE(puzzle.changed);
        return;
    }
    EXPECT_EQ(gwtest::rowsOf(puzzle), c.rows);
    EXPECT_EQ(puzzle.name, "cat");
    EXPECT_EQ(puzzle.title, "Cat");
    EXPECT_EQ(puzzle.fileName, gw::NoFileName);
    EXPECT_FALSE(puzzle.changed);
    EXPECT_FALSE(puzzle.isColor);
    EXPECT_EQ(puzzle.cell(1, 1), gw::White); // the old picture is gone outside the new size too
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClueImport,
    testing::Values(
        ImportCase {
            "solutionGiven", "title Cat\nwidth 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\ngoal 0110\n", {".#", "#."}, ""},
        ImportCase {"uniqueBareClues", "title Cat\nwidth 3\nheight 1\nrows\n1,1\ncolumns\n1\n0\n1\n", {"#.#"}, ""},
        ImportCase {"severalSolutions",
                    "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n",
                    {},
                    "These clues have more than one solution, so they do not give one picture."},
        ImportCase {"contradiction",
                    "width 2\nheight 2\nrows\n2\n0\ncolumns\n1\n0\n",
                    {},
                    "These clues contradict each other: the puzzle has no solution."},
        ImportCase {"readerRefuses",
                    "width 2\n",
                    {},
                    "This clue file lacks a part it needs: the size, the row clues or the column clues."}),
    [](const testing::TestParamInfo<ImportCase>& row) { return row.param.name; });

TEST(ClueImport, OutOfBudgetIsUndecided)
{
    gw::Puzzle puzzle = drawnPuzzle();
    gw::analysis::AnalysisOptions tight;
    tight.maxNodes = 1;
    // A 6 x 6 puzzle whose 720 solutions are the permutation matrices:
    // line logic fixes nothing, and a solution needs more than one guess.
    const std::string ones = "1\n1\n1\n1\n1\n1\n";
    const auto result = importClues(
        puzzle, gw::readClueData("width 6\nheight 6\nrows\n" + ones + "columns\n" + ones, ClueFormat::Non, "x.non"),
        "x.non", gw::Language::Italian, tight);
    EXPECT_FALSE(result.imported);
    EXPECT_EQ(result.messages.back().text,
              "Non \u00e8 stato possibile risolvere questi indizi in tempo, quindi non se ne \u00e8 potuta ricavare "
              "un\u2019immagine.");
}

// The file's clues without the solution the writer puts in.
std::string withoutSolution(std::string bytes, ClueFormat format)
{
    const std::string from = format == ClueFormat::Webpbn ? "<solution" : "\ngoal ";
    const std::string to = format == ClueFormat::Webpbn ? "</solution>\n" : "\"\n";
    const std::size_t start = bytes.find(from);
    return bytes.erase(start, bytes.find(to, start) + to.size() - start);
}

TEST(ClueCorpus, EveryPuzzleExportedInBothFormatsImportsToTheSamePicture)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(GRIDWICK_PUZZLES_DIR) / "public";
    if (!fs::is_directory(folder))
        GTEST_SKIP() << "no puzzle corpus at " << folder;
    int files = 0, solvedFromClues = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".pbm" && ext != ".ppm")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        gw::Puzzle original;
        ASSERT_TRUE(gw::readPuzzleFile(original, entry.path().string(), gw::ReaderVariant::Maker).loaded());
        ++files;
        const bool unique = gw::analysis::analyzePuzzle(original).uniqueness == gw::analysis::Uniqueness::Unique;
        for (ClueFormat format : {ClueFormat::Webpbn, ClueFormat::Non}) {
            if (format == ClueFormat::Non && !gw::blackAndWhiteOnly(original))
                continue;
            const std::string bytes = format == ClueFormat::Webpbn ? gw::webpbnBytes(original) : gw::nonBytes(original);
            for (const bool bare : {false, true}) {
                gw::Puzzle imported;
                const auto result = importClues(
                    imported, gw::readClueData(bare ? withoutSolution(bytes, format) : bytes, format, "x"), "x");
                if (bare && !unique) {
                    EXPECT_FALSE(result.imported);
                    continue;
                }
                ASSERT_TRUE(result.imported) << result.messages.back().text;
                EXPECT_EQ(gwtest::rowsOf(imported), gwtest::rowsOf(original));
                EXPECT_EQ(imported.title, original.title);
                solvedFromClues += bare ? 1 : 0;
            }
        }
    }
    EXPECT_GE(files, 84);
    EXPECT_GE(solvedFromClues, 80);
}

} // namespace
