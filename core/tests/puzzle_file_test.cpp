#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "core/PuzzleFile.h"
#include "lang/Language.h"
#include "lang/Texts.h"

using gw::Language;
using gw::LoadStatus;
using gw::ReaderVariant;
using gwtest::puzzleFromRows;
using gwtest::rowsOf;
using Rows = std::vector<std::string>;

namespace {

gw::LoadResult readBytes(gw::Puzzle& p, const std::string& bytes, ReaderVariant variant = ReaderVariant::Maker,
                         Language language = Language::English, const std::string& path = "/puzzles/cat.pbm")
{
    std::stringbuf data(bytes, std::ios::in);
    return gw::readPuzzleData(p, data, path, variant, language);
}

// A message as "<icon letter> <title>: <text>", icon letters N I C Q E.
std::string shown(const gw::Message& m)
{
    return std::string(1, "NICQE"[static_cast<int>(m.icon)]) + " " + m.title + ": " + m.text;
}

// The player's refusal of a side over 50, in English.
std::string refusal(const std::string& side, const std::string& measure, int pixels)
{
    return "C Bitmap too " + side + ": The bitmap's " + measure + " cannot be more than 50 pixels. This bitmap's "
           + measure + " is " + std::to_string(pixels) + " pixels.";
}

const std::string ErrorOpening = "C /puzzles/cat.pbm: An error has occured while opening this file.";
const std::string TooLargeNote =
    "I Bitmap too wide: This puzzle is too large. Its size will therefore be reduced, which may affect the quality.";
const std::string TooManyColors =
    std::string("I Bitmap too many colors: ") + gw::chooseText(Language::English, gw::txt::TooManyColors);

} // namespace

TEST(ReadNumber, ReadsTheNextNumber)
{
    constexpr std::int32_t Big = 2147483647;
    const struct {
        const char* name;
        std::string data;
        std::int32_t largest;
        std::optional<std::int32_t> expected;
        int nextByte; // the byte left for the next read, -1 for the end of the data
    } cases[] = {{"SkipsLeadingSeparators", "  \r\n\t12 x", Big, 12, 'x'},
                 {"ConsumesExactlyOneStoppingByte", "25\r\nA", Big, 25, '\n'},
                 {"CommentBeforeNumber", "# a comment 99\n7 ", Big, 7, -1},
                 {"CommentEndsAtCarriageReturn", "#x\r8,", Big, 8, -1},
                 {"CommentInsideDigitsJoinsThem", "12#c\n34 ", Big, 1234, -1},
                 {"EndOfDataEndsANumber", "42", Big, 42, -1},
                 {"EndOfDataBeforeAnyDigitIsAnError", " \n ", Big, std::nullopt, -1},
                 {"EndOfDataInsideCommentIsAnError", "# no digits", Big, std::nullopt, -1},
                 {"LargestMakerNumber", "2147483647 ", Big, Big, -1},
                 {"AboveMakerRangeIsAnError", "2147483648 ", Big, std::nullopt, ' '},
                 {"TwentyDigitsIsAnError", "99999999999999999999 ", Big, std::nullopt, '9'},
                 {"LargestPlayerNumber", "32767 ", 32767, 32767, -1},
                 {"AbovePlayerRangeIsAnError", "32768 ", 32767, std::nullopt, ' '}};
    for (const auto& c : cases) {
        std::stringbuf in(c.data, std::ios::in);
        EXPECT_EQ(gw::readNumber(in, c.largest), c.expected) << c.name;
        const int next = in.sbumpc();
        EXPECT_EQ(next == EOF ? -1 : next, c.nextByte) << c.name;
    }
}

TEST(SavePbm, BytesAreExact)
{
    const std::string made = "# Made with Gridwick Puzzle Maker\r\n";
    const struct {
        const char* name;
        const char* rows; // '/' between rows
        bool color;
        std::string title;
        bool ppm; // ppmBytes, else pbmBytes
        std::string bytes;
    } cases[] = {
        {"TenByTwoWithTitle", "#........#/..........", false, "Cat", false,
         std::string("P4\r\n# Puzzle Title: Cat\r\n10 2\r\x80\x40\0\0", 34)},
        {"WithoutTitleNamesTheMaker", "#.#.#.#.#", false, "", false, "P4\r\n" + made + "9 1\r\xAA\x80"},
        {"EveryNonWhiteCellIsBlack", "R.BY.GMA", true, "", false, "P4\r\n" + made + "8 1\r\xB7"},
        // Regression: a title holding a line break wrote a header that read back wrongly.
        {"LineBreakInTitleBecomesBlank", "#", false, "a\r\n5", false, "P4\r\n# Puzzle Title: a  5\r\n1 1\r\x80"},
        {"ColorWithoutTitle", "R./#A", true, "", true,
         "P6\r\n" + made + "2 2\r\n1\r" + std::string("\1\0\0\1\1\1\0\0\0\0\1\1", 12)},
        {"EveryPaletteIndex", "#.RBYGMA", true, "All", true,
         "P6\r\n# Puzzle Title: All\r\n8 1\r\n1\r"
             + std::string("\0\0\0\1\1\1\1\0\0\0\0\1\1\1\0\0\1\0\1\0\1\0\1\1", 24)}};
    for (const auto& c : cases) {
        gw::Puzzle p = puzzleFromRows(gwtest::splitRows(c.rows), c.color);
        p.title = c.title;
        p.cell(p.width, 0) = gw::Black; // cells outside the puzzle are never written
        p.cell(0, p.height) = gw::Black;
        EXPECT_EQ(c.ppm ? gw::ppmBytes(p) : gw::pbmBytes(p), c.bytes) << c.name;
    }
}

// Written, then read with both readers: the same puzzle (the player skips the title).
TEST(PuzzleFile, WriteThenReadGivesTheSamePuzzle)
{
    const struct {
        Rows rows;
        bool color;
        std::string title;
    } cases[] = {{{"#"}, false, ""},
                 {{"#..##..#", "########"}, false, "Eight"},
                 {{"#.......#", ".#.....#."}, false, "Nine"},
                 {{"#.RBYGMA", "AMGYBR.#"}, true, "Rainbow"},
                 {{"....", "...."}, true, ""},
                 {{"#."},
                  false,
                  "C\xc3\xac"
                  "ano"},
                 {{std::string(50, '#'), std::string(50, '.')}, false, "Wide"}};
    for (const auto& c : cases) {
        gw::Puzzle original = puzzleFromRows(c.rows, c.color);
        original.title = c.title;
        for (ReaderVariant variant : {ReaderVariant::Maker, ReaderVariant::Player}) {
            SCOPED_TRACE(c.rows[0] + (variant == ReaderVariant::Maker ? " maker" : " player"));
            gw::Puzzle read;
            const gw::LoadResult r =
                readBytes(read, c.color ? gw::ppmBytes(original) : gw::pbmBytes(original), variant);
            ASSERT_EQ(r.status, LoadStatus::Loaded);
            EXPECT_TRUE(r.messages.empty());
            EXPECT_EQ(rowsOf(read), c.rows);
            EXPECT_EQ(read.isColor, c.color);
            EXPECT_EQ(read.title, variant == ReaderVariant::Maker ? c.title : "");
            EXPECT_EQ(read.cells, original.cells);
        }
    }
}

// Rows joined by '/', messages by " | ".
std::string joined(const Rows& lines, const std::string& separator = "/")
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? separator : "") + lines[i];
    return text;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    ReaderVariant variant;
    Language language;
    LoadStatus status;
    std::string rows;     // joined; empty: the grid is white
    std::string messages; // joined
};

class ReadFile : public ::testing::TestWithParam<ReadCase> { };

TEST_P(ReadFile, GivesGridStatusAndMessages)
{
    const ReadCase& c = GetParam();
    gw::Puzzle p = puzzleFromRows({"###", "###"});
    p.changed = true;
    const gw::LoadResult r = readBytes(p, c.bytes, c.variant, c.language);
    EXPECT_EQ(r.status, c.status);
    if (c.rows.empty())
        EXPECT_EQ(p.cell(0, 0), gw::White);
    else
        EXPECT_EQ(joined(rowsOf(p)), c.rows);
    Rows messages;
    for (const gw::Message& m : r.messages)
        messages.push_back(shown(m));
    EXPECT_EQ(joined(messages, " | "), c.messages);
    EXPECT_FALSE(p.changed); // every load, whatever its outcome
}

const auto Maker = ReaderVariant::Maker;
const auto Player = ReaderVariant::Player;
const auto English = Language::English;
const auto Dutch = Language::Dutch;
const auto Italian = Language::Italian;
const auto Loaded = LoadStatus::Loaded;
const auto ReadError = LoadStatus::ReadError;
const auto TooLarge = LoadStatus::TooLarge;
// 100 x 40 with file pixel 5 black in every row: 50 * 5 / 100 = 2.5 lands in
// column 2 (halves to even); 4 (2.0) lands there too but is read first.
const std::string Wide = "P4\n100 40\n" + gwtest::repeat("\x04" + std::string(12, '\0'), 40);
// 120 x 1: the height rounds to 0 and becomes 1; pixels 117..119 all land on
// the last column, and the last one read (white) wins.
const std::string Long = "P1\n120 1\n" + gwtest::repeat("1 ", 119) + "0\n";

const ReadCase ReadCases[] = {
    // 127 < 127.5 <= 128
    {"P6Maximum255ReducesSamplesAndWarnsOnce", "P6\n2 1\n255\n\xC8\x64\x82\x7F\x80\xFF", Maker, English, Loaded, "MA",
     TooManyColors},
    {"PlainP3ReadsNumbersPerSample", "P3\n# c\n3 1\n1\n1 0 0  0 1 0\n0 0 1\n", Player, English, Loaded, "RGB", ""},
    {"MakerReducesWideFileHalvesToEven", Wide, Maker, English, Loaded, joined(Rows(20, "..#" + std::string(47, '.'))),
     TooLargeNote},
    {"MakerReducesTallFile", "P4\n40 100\n" + std::string(500, '\0'), Maker, English, Loaded,
     joined(Rows(50, std::string(20, '.'))), TooLargeNote},
    {"ReductionKeepsOneCellLastPixelWins", Long, Maker, English, Loaded, std::string(49, '#') + ".", TooLargeNote},
    // The LF after CR is taken as the first raster byte.
    {"OnlyOneSeparatorByteEndsTheHeader", "P4 10 2\r\n\x80\x40\xFF\xC0", Maker, English, Loaded,
     "....#.#.#./.#......##", ""},
    {"P1PixelsAreNumbers", "P1\n3 1\n1 0 1\n", Maker, English, Loaded, "#.#", ""},
    {"P1DigitsTogetherAreOnePixel", "P1\n3 1\n101\n", Maker, English, ReadError, "#..", ErrorOpening},
    {"BadMagicKeepsSizeWhitensGrid", "P5\n3 2\n255\n", Maker, English, LoadStatus::NotValid, ".../...",
     "C /puzzles/cat.pbm: This is not a valid PBM- or PPM-file."},
    {"MessagesFollowTheLanguage", "P4 1", Maker, Italian, ReadError, "",
     "C /puzzles/cat.pbm: Errore all'apertura del file."},
    {"NotesBeforeAReadErrorKeepTheirOrder", "P6 60 10 255\n" + std::string(7, '\xff'), Maker, English, ReadError, "",
     TooLargeNote + " | " + TooManyColors + " | " + ErrorOpening},
    {"PlayerRefusesWidth", "P4\n60 10\n", Player, English, TooLarge, "", refusal("wide", "width", 60)},
    {"PlayerRefusesHeight", "P1\n10 51\n", Player, English, TooLarge, "", refusal("high", "height", 51)},
    {"PlayerNamesWidthFirst", "P6\n51 52\n1\n", Player, English, TooLarge, "", refusal("wide", "width", 51)},
    {"PlayerRefusesInDutch", "P4\n10 70\n", Player, Dutch, TooLarge, "",
     "C Bitmap te hoog: De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is 70 pixels hoog."}};

INSTANTIATE_TEST_SUITE_P(ReadPuzzleFile, ReadFile, ::testing::ValuesIn(ReadCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReadPuzzleFile, TitleIsTakenFromLineTwoOnly)
{
    const char* cases[][2] = {{"P1\r\n# Puzzle Title: Cat\r\n", "Cat"}, {"P1\n# Puzzle Title: Dog\n", "Dog"},
                              {"P1\r# Puzzle Title: Cow\r", "Cow"},     {"P1\n# Puzzle Title: \n", ""},
                              {"P1\n#Puzzle Title: Cat\n", ""},         {"P1\n# puzzle title: Cat\n", ""},
                              {"P1\n# x\n# Puzzle Title: Cat\n", ""},   {"P1 ", ""}};
    for (const auto& c : cases) {
        gw::Puzzle p;
        p.title = "old";
        ASSERT_EQ(readBytes(p, std::string(c[0]) + "1 1\n1\n").status, LoadStatus::Loaded) << c[0];
        EXPECT_EQ(p.title, c[1]) << c[0];
    }
}

// Regression: after a failed open the maker kept the previous file name, so
// Save wrote the white or half-read grid over that file. A missing file keeps it.
TEST(ReadPuzzleFile, FailedReadLetsGoOfThePreviousFile)
{
    gwtest::TempDir dir;
    for (const std::string& data : {std::string("GIF89a"), std::string("P1 3 3 1 0")}) {
        gw::Puzzle p;
        p.fileName = "/puzzles/cat.pbm";
        p.name = "cat";
        EXPECT_FALSE(readBytes(p, data, Maker, Language::English, "/puzzles/broken.pbm").loaded());
        EXPECT_EQ(p.fileName, gw::NoFileName) << data;
        EXPECT_EQ(p.name, "cat");
    }
    for (const std::string& path : {std::string(), dir.file("none.pbm"), dir.path()}) {
        gw::Puzzle p = puzzleFromRows({"#"});
        p.fileName = "/puzzles/cat.pbm";
        p.changed = true;
        const gw::LoadResult r = gw::readPuzzleFile(p, path, Maker);
        EXPECT_EQ(r.status, LoadStatus::NoFile) << path;
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(p.cell(0, 0), gw::Black); // grid unchanged
        EXPECT_FALSE(p.changed);
        EXPECT_EQ(p.fileName, "/puzzles/cat.pbm");
    }
}

TEST(SavePbm, ReplacesTheFileAndClearsChanged)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("a.ppm"), std::string(5000, 'x'));
    for (bool color : {false, true}) { // the extension plays no part
        gw::Puzzle p = puzzleFromRows({"#R", ".B"}, color);
        p.changed = true;
        p.title = "Two dots";
        const gw::SaveResult saved = gw::savePbm(p, dir.file("a.ppm"));
        ASSERT_TRUE(saved.ok) << saved.reason;
        EXPECT_FALSE(p.changed);
        EXPECT_EQ(gwtest::readFile(dir.file("a.ppm")), color ? gw::ppmBytes(p) : gw::pbmBytes(p));
        EXPECT_EQ(dir.names(), Rows {"a.ppm"}); // no temporary file left
        gw::Puzzle back;
        ASSERT_TRUE(gw::readPuzzleFile(back, dir.file("a.ppm"), Maker).loaded());
        EXPECT_EQ(back.name, "a"); // the file name without its last extension
        EXPECT_EQ(back.fileName, dir.file("a.ppm"));
    }
}

// Regression: saving deleted the old file before the new one was complete, and
// a failure was silent with the puzzle marked as saved.
TEST(SavePbm, FailureKeepsOldFileAndChangedFlag)
{
    gwtest::TempDir dir;
    // A folder that is a file: nothing can be created in it.
    gwtest::writeFile(dir.file("folder"), "");
    const std::string target = dir.file("a.pbm");
    gwtest::writeFile(target, "old contents");
    std::filesystem::create_symlink("folder/a.pbm", dir.file("link.pbm")); // a save follows the link
    ASSERT_EQ(gwtest::readFile(target), "old contents");
    gw::Puzzle p = puzzleFromRows({"#"});
    p.changed = true;
    const gw::SaveResult saved = gw::savePbm(p, dir.file("link.pbm"), Language::Dutch);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.reason, "cannot create a temporary file in " + dir.file("folder/") + ": Not a directory");
    EXPECT_TRUE(p.changed);
    EXPECT_EQ(gwtest::readFile(target), "old contents");
    EXPECT_EQ(shown(saved.message),
              "C " + dir.file("link.pbm") + ": Er is een fout opgetreden bij het opslaan van dit bestand.");
    EXPECT_EQ(dir.names().size(), 3u);
    EXPECT_FALSE(gw::savePpm(p, dir.file("no/such/folder/x.ppm")).ok);
    EXPECT_TRUE(p.changed);
}

TEST(StatusLines, NameThePathInTheLanguage)
{
    EXPECT_EQ(gw::fileOpenedStatus(English, "/p/cat.pbm"), "The file /p/cat.pbm has been opened.");
    EXPECT_EQ(gw::fileSavedStatus(English, "/p/cat.pbm"), "The file /p/cat.pbm has been saved.");
    EXPECT_EQ(gw::fileOpenedStatus(Dutch, "/p/cat.pbm"), "Het bestand /p/cat.pbm is geopend.");
    EXPECT_EQ(gw::fileSavedStatus(gw::languageFromByte(3), "/p/cat.pbm"), "/p/cat.pbm");
}
