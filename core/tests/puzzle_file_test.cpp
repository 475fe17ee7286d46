#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "core/PuzzleFile.h"
#include "lang/Texts.h"

using gw::LoadStatus;
using gw::ReaderVariant;
using gwtest::puzzleFromRows;
using gwtest::rowsOf;

namespace {

gw::LoadResult readBytes(gw::Puzzle& p, const std::string& bytes, ReaderVariant variant = ReaderVariant::Maker,
                         const std::string& path = "/puzzles/cat.pbm")
{
    std::stringbuf data(bytes, std::ios::in);
    return gw::ReadPuzzle(p, data, path, variant);
}

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace

// ---- ReadNumber ----------------------------------------------------------

struct NumberCase {
    const char* name;
    std::string data;
    std::int32_t largest;
    std::optional<std::int32_t> expected;
    int nextByte; // the byte left for the next read, -1 for the end of the data

    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }
};

class ReadNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberCases, ReadsTheNextNumber)
{
    const NumberCase& c = GetParam();
    std::stringbuf in(c.data, std::ios::in);
    EXPECT_EQ(gw::ReadNumber(in, c.largest), c.expected);
    const int next = in.sbumpc();
    EXPECT_EQ(next == EOF ? -1 : next, c.nextByte);
}

INSTANTIATE_TEST_SUITE_P(
    ReadNumber, ReadNumberCases,
    ::testing::Values(
        NumberCase{"SkipsLeadingSeparators", "  \r\n\t12 x", 2147483647, 12, 'x'},
        NumberCase{"ConsumesExactlyOneStoppingByte", "25\r\nA", 2147483647, 25, '\n'},
        NumberCase{"CommentBeforeNumber", "# a comment 99\n7 ", 2147483647, 7, -1},
        NumberCase{"CommentEndsAtCarriageReturn", "#x\r8,", 2147483647, 8, -1},
        NumberCase{"CommentInsideDigitsJoinsThem", "12#c\n34 ", 2147483647, 1234, -1},
        NumberCase{"LeadingZeros", "007.", 2147483647, 7, -1},
        NumberCase{"EndOfDataEndsANumber", "42", 2147483647, 42, -1},
        NumberCase{"EndOfDataBeforeAnyDigitIsAnError", " \n ", 2147483647, std::nullopt, -1},
        NumberCase{"EndOfDataInsideCommentIsAnError", "# no digits", 2147483647, std::nullopt, -1},
        NumberCase{"DigitsBeforeUnendedComment", "5# to the end", 2147483647, 5, -1},
        NumberCase{"LargestMakerNumber", "2147483647 ", 2147483647, 2147483647, -1},
        NumberCase{"AboveMakerRangeIsAnError", "2147483648 ", 2147483647, std::nullopt, ' '},
        NumberCase{"TwentyDigitsIsAnError", "99999999999999999999 ", 2147483647, std::nullopt, '9'},
        NumberCase{"LargestPlayerNumber", "32767 ", 32767, 32767, -1},
        NumberCase{"AbovePlayerRangeIsAnError", "32768 ", 32767, std::nullopt, ' '}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Writers ---------------------------------------------------------------

TEST(SavePbmBytes, TenByTwoWithTitleIsByteExact)
{
    gw::Puzzle p = puzzleFromRows({"#........#", ".........."});
    p.PuzzleTitle = "Cat";
    EXPECT_EQ(gw::pbmBytes(p), "P4\r\n# Puzzle Title: Cat\r\n10 2\r" + bytes({0x80, 0x40, 0x00, 0x00}));
}

TEST(SavePbmBytes, WithoutTitleNamesTheMaker)
{
    const gw::Puzzle p = puzzleFromRows({"#.#.#.#.#"});
    EXPECT_EQ(gw::pbmBytes(p), "P4\r\n# Made with Gridwick Puzzle Maker\r\n9 1\r" + bytes({0xAA, 0x80}));
}

TEST(SavePbmBytes, EveryNonWhiteCellIsWrittenBlack)
{
    const gw::Puzzle p = puzzleFromRows({"R.BY.GMA"}, true);
    EXPECT_EQ(gw::pbmBytes(p), "P4\r\n# Made with Gridwick Puzzle Maker\r\n8 1\r" + bytes({0xB7}));
}

TEST(SavePbmBytes, OnlyCellsInUseAreWritten)
{
    gw::Puzzle p = puzzleFromRows({"#"});
    p.cell(1, 0) = gw::Black; // outside the puzzle
    p.cell(0, 1) = gw::Black;
    EXPECT_EQ(gw::pbmBytes(p), "P4\r\n# Made with Gridwick Puzzle Maker\r\n1 1\r" + bytes({0x80}));
}

// Regression: a title holding a line break wrote a header that read back wrongly.
TEST(SavePbmBytes, LineBreakInTitleBecomesBlank)
{
    gw::Puzzle p = puzzleFromRows({"#"});
    p.PuzzleTitle = "a\r\n5";
    EXPECT_EQ(gw::pbmBytes(p), "P4\r\n# Puzzle Title: a  5\r\n1 1\r" + bytes({0x80}));
}

TEST(SavePpmBytes, ColourPuzzleWithoutTitleIsByteExact)
{
    const gw::Puzzle p = puzzleFromRows({"R.", "#A"}, true);
    EXPECT_EQ(gw::ppmBytes(p), "P6\r\n# Made with Gridwick Puzzle Maker\r\n2 2\r\n1\r" +
                                   bytes({1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 1}));
}

TEST(SavePpmBytes, EveryPaletteIndexHasItsStoredTriple)
{
    gw::Puzzle p = puzzleFromRows({"#.RBYGMA"}, true);
    p.PuzzleTitle = "All";
    const std::string expectedRaster =
        bytes({0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 1});
    EXPECT_EQ(gw::ppmBytes(p), "P6\r\n# Puzzle Title: All\r\n8 1\r\n1\r" + expectedRaster);
}

// ---- Reader: the examples -------------------------------------------------

struct RoundTripCase {
    const char* name;
    std::vector<std::string> rows;
    bool color;
    std::string title;

    friend void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }
};

class WriteThenRead : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(WriteThenRead, GivesTheSamePuzzle)
{
    const RoundTripCase& c = GetParam();
    gw::Puzzle original;
    original.ColorPuzzle = c.color;
    original.PuzzleTitle = c.title;
    original.PuzzleWidth = static_cast<std::int16_t>(c.rows[0].size());
    original.PuzzleHeight = static_cast<std::int16_t>(c.rows.size());
    for (int y = 0; y < original.PuzzleHeight; ++y)
        for (int x = 0; x < original.PuzzleWidth; ++x)
            original.cell(x, y) = gwtest::cellFromChar(c.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
    for (ReaderVariant variant : {ReaderVariant::Maker, ReaderVariant::Player}) {
        gw::Puzzle read;
        const gw::LoadResult r =
            readBytes(read, c.color ? gw::ppmBytes(original) : gw::pbmBytes(original), variant);
        ASSERT_EQ(r.status, LoadStatus::Loaded);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(rowsOf(read), c.rows);
        EXPECT_EQ(read.ColorPuzzle, c.color);
        if (variant == ReaderVariant::Maker) {
            EXPECT_EQ(read.PuzzleTitle, c.title);
        }
        EXPECT_EQ(read.Cells, original.Cells);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PuzzleFile, WriteThenRead,
    ::testing::Values(RoundTripCase{"OneCell", {"#"}, false, ""},
                      RoundTripCase{"WidthEight", {"#..##..#", "########"}, false, "Eight"},
                      RoundTripCase{"WidthNine", {"#.......#", ".#.....#."}, false, "Nine"},
                      RoundTripCase{"ColourAllIndices", {"#.RBYGMA", "AMGYBR.#"}, true, "Rainbow"},
                      RoundTripCase{"ColourAllWhite", {"....", "...."}, true, ""},
                      RoundTripCase{"TitleWithUtf8", {"#."}, false, "C\xc3\xac" "ano"},
                      RoundTripCase{"Full50", {std::string(50, '#'), std::string(50, '.')}, false, "Wide"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadPuzzle, P6WithMaximum255ReducesSamplesAndWarnsOnce)
{
    gw::Puzzle p;
    const gw::LoadResult r =
        readBytes(p, "P6\n2 1\n255\n" + bytes({200, 100, 130, 127, 128, 255}));
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(rowsOf(p), std::vector<std::string>{"MA"}); // 127 < 127.5 <= 128
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, gw::ChooseText(0, gw::txt::TooManyColors));
    EXPECT_EQ(r.messages[0].title, "Bitmap too many colors");
    EXPECT_EQ(r.messages[0].icon, gw::MessageIcon::Information);
}

TEST(LoadPuzzle, PlainP3ReadsNumbersPerSample)
{
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P3\n# c\n3 1\n1\n1 0 0  0 1 0\n0 0 1\n", ReaderVariant::Player);
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(rowsOf(p), std::vector<std::string>{"RGB"});
    EXPECT_TRUE(p.ColorPuzzle);
}

TEST(LoadPuzzle, MakerReducesWideFileAndRoundsPositionsHalfToEven)
{
    // 100 x 40 with file pixel px = 5 black in every row: 50 * 5 / 100 = 2.5
    // lands in column 2 (halves to even); px 4 (2.0) lands there too but is
    // read first, px 6 (3.0) and px 7 (3.5) go to columns 3 and 4.
    std::string raster;
    for (int py = 0; py < 40; ++py)
        raster += bytes({0x04}) + std::string(12, '\0');
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P4\n100 40\n" + raster);
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(p.PuzzleWidth, 50);
    EXPECT_EQ(p.PuzzleHeight, 20);
    EXPECT_EQ(rowsOf(p), std::vector<std::string>(20, ".." "#" + std::string(47, '.')));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text,
              "This puzzle is too large. Its size will therefore be reduced, which may affect the quality.");
    EXPECT_EQ(r.messages[0].title, "Bitmap too wide");
    EXPECT_EQ(r.messages[0].icon, gw::MessageIcon::Information);
}

TEST(LoadPuzzle, MakerReducesTallFile)
{
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P4\n40 100\n" + std::string(5 * 100, '\0'));
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(p.PuzzleWidth, 20);
    EXPECT_EQ(p.PuzzleHeight, 50);
}

TEST(LoadPuzzle, MakerReductionKeepsAtLeastOneCellAndTheLastPixelWins)
{
    // 120 x 1: height 50/120 rounds to 0 and becomes 1; pixels 117..119 all
    // land on the last column, and the last one read (white) wins.
    std::string row = "1";
    for (int i = 1; i < 120; ++i)
        row += i == 119 ? " 0" : " 1";
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P1\n120 1\n" + row + "\n");
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(p.PuzzleWidth, 50);
    EXPECT_EQ(p.PuzzleHeight, 1);
    EXPECT_EQ(rowsOf(p)[0], std::string(49, '#') + ".");
}

TEST(LoadPuzzle, HeaderWithLineFeedsAndCommentIsRead)
{
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P4\n# a comment\n10 2\n" + bytes({0x80, 0x40, 0xFF, 0xC0}));
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(rowsOf(p), (std::vector<std::string>{"#........#", "##########"}));
}

TEST(LoadPuzzle, OnlyOneSeparatorByteEndsTheHeader)
{
    // The LF after CR is taken as the first raster byte.
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P4 10 2\r\n" + bytes({0x80, 0x40, 0xFF, 0xC0}));
    ASSERT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(rowsOf(p), (std::vector<std::string>{"....#.#.#.", ".#......##"})); // 0x0A 0x80, 0x40 0xFF
}

TEST(LoadPuzzle, P1PixelsAreNumbers)
{
    gw::Puzzle p;
    EXPECT_EQ(readBytes(p, "P1\n3 1\n1 0 1\n").status, LoadStatus::Loaded);
    EXPECT_EQ(rowsOf(p), std::vector<std::string>{"#.#"});
}

TEST(LoadPuzzle, P1DigitsWrittenTogetherAreOnePixel)
{
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P1\n3 1\n101\n");
    EXPECT_EQ(r.status, LoadStatus::ReadError);
    EXPECT_EQ(rowsOf(p), std::vector<std::string>{"#.."}); // what was read stays
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "An error has occured while opening this file.");
    EXPECT_EQ(r.messages[0].title, "/puzzles/cat.pbm");
    EXPECT_EQ(r.messages[0].icon, gw::MessageIcon::Critical);
}

struct TitleCase {
    const char* name;
    std::string header;
    std::string expected;

    friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }
};

class TitleLine : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleLine, IsTakenFromLineTwoOnly)
{
    gw::Puzzle p;
    p.PuzzleTitle = "old";
    ASSERT_EQ(readBytes(p, GetParam().header + "1 1\n1\n").status, LoadStatus::Loaded);
    EXPECT_EQ(p.PuzzleTitle, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LoadPuzzle, TitleLine,
    ::testing::Values(TitleCase{"CrLf", "P1\r\n# Puzzle Title: Cat\r\n", "Cat"},
                      TitleCase{"LineFeed", "P1\n# Puzzle Title: Dog\n", "Dog"},
                      TitleCase{"CarriageReturn", "P1\r# Puzzle Title: Cow\r", "Cow"},
                      TitleCase{"EmptyTitle", "P1\n# Puzzle Title: \n", ""},
                      TitleCase{"NoSpaceAfterHash", "P1\n#Puzzle Title: Cat\n", ""},
                      TitleCase{"CaseMatters", "P1\n# puzzle title: Cat\n", ""},
                      TitleCase{"MadeWith", "P1\r\n# Made with Gridwick Puzzle Maker\r\n", ""},
                      TitleCase{"OnLineThree", "P1\n# x\n# Puzzle Title: Cat\n", ""},
                      TitleCase{"NoCommentLine", "P1 ", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadPuzzle, PlayerDoesNotReadTheTitle)
{
    gw::Puzzle p;
    p.PuzzleTitle = "kept";
    ASSERT_EQ(readBytes(p, "P1\n# Puzzle Title: Cat\n1 1\n1\n", ReaderVariant::Player).status,
              LoadStatus::Loaded);
    EXPECT_EQ(p.PuzzleTitle, "kept");
}

// ---- Reader: names, state and the player's refusal --------------------------

struct NameCase {
    const char* name;
    std::string path;
    std::string puzzleName;

    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
};

class PuzzleNameFromPath : public ::testing::TestWithParam<NameCase> {};

TEST_P(PuzzleNameFromPath, IsFileNameWithoutLastExtension)
{
    gw::Puzzle p;
    ASSERT_EQ(readBytes(p, "P1 1 1 1", ReaderVariant::Maker, GetParam().path).status, LoadStatus::Loaded);
    EXPECT_EQ(p.PuzzleName, GetParam().puzzleName);
    EXPECT_EQ(p.FileName, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(LoadPuzzle, PuzzleNameFromPath,
                         ::testing::Values(NameCase{"Plain", "/home/u/cat.pbm", "cat"},
                                           NameCase{"TwoDots", "/home/u/my.cat.ppm", "my.cat"},
                                           NameCase{"DotInFolderOnly", "/home/u.v/README", "README"},
                                           NameCase{"NoFolder", "dog.pbm", "dog"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadPuzzle, EveryLoadResetsChangedFlagAndButtonColours)
{
    gw::Puzzle p;
    p.PuzzleChanged = true;
    p.ButtonColor = {{gw::Red, gw::Blue}};
    readBytes(p, "P9");
    EXPECT_FALSE(p.PuzzleChanged);
    EXPECT_EQ(p.ButtonColor[0], gw::Black);
    EXPECT_EQ(p.ButtonColor[1], gw::White);
}

TEST(LoadPuzzle, BadMagicLeavesSizeAndWhitensGrid)
{
    gw::Puzzle p = puzzleFromRows({"###", "###"});
    const gw::LoadResult r = readBytes(p, "P5\n3 2\n255\n", ReaderVariant::Maker, "/x/photo.pgm");
    EXPECT_EQ(r.status, LoadStatus::NotValid);
    EXPECT_EQ(rowsOf(p), (std::vector<std::string>{"...", "..."}));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "This is not a valid PBM- or PPM-file.");
    EXPECT_EQ(r.messages[0].title, "/x/photo.pgm");
    EXPECT_EQ(r.messages[0].icon, gw::MessageIcon::Critical);
}

struct RefusalCase {
    const char* name;
    std::string header;
    std::uint8_t language;
    std::string text;
    std::string title;

    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

class PlayerRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PlayerRefusal, RefusesLargePuzzlesWithTheSize)
{
    const RefusalCase& c = GetParam();
    gw::Puzzle p = puzzleFromRows({"##"});
    p.Language = c.language;
    const gw::LoadResult r = readBytes(p, c.header, ReaderVariant::Player);
    EXPECT_EQ(r.status, LoadStatus::TooLarge);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, c.text);
    EXPECT_EQ(r.messages[0].title, c.title);
    EXPECT_EQ(r.messages[0].icon, gw::MessageIcon::Critical);
    EXPECT_EQ(p.cell(0, 0), gw::White);
}

INSTANTIATE_TEST_SUITE_P(
    LoadPuzzle, PlayerRefusal,
    ::testing::Values(
        RefusalCase{"Width", "P4\n60 10\n", 0,
                    "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 60 pixels.",
                    "Bitmap too wide"},
        RefusalCase{"Height", "P1\n10 51\n", 0,
                    "The bitmap's height cannot be more than 50 pixels. This bitmap's height is 51 pixels.",
                    "Bitmap too high"},
        RefusalCase{"WidthFirstWhenBothTooLarge", "P6\n51 52\n1\n", 0,
                    "The bitmap's width cannot be more than 50 pixels. This bitmap's width is 51 pixels.",
                    "Bitmap too wide"},
        RefusalCase{"DutchNamesTheSide", "P4\n10 70\n", 1,
                    "De bitmap mag niet hoger zijn dan 50 pixels. Deze bitmap is 70 pixels hoog.",
                    "Bitmap te hoog"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadPuzzle, MessagesFollowTheLanguage)
{
    gw::Puzzle p;
    p.Language = 2;
    const gw::LoadResult r = readBytes(p, "P4 1");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "Errore all'apertura del file.");
}

TEST(LoadPuzzle, NotesBeforeAReadErrorKeepTheirOrder)
{
    gw::Puzzle p;
    const gw::LoadResult r = readBytes(p, "P6 60 10 255\n" + std::string(7, 'x'));
    EXPECT_EQ(r.status, LoadStatus::ReadError);
    ASSERT_EQ(r.messages.size(), 3u);
    EXPECT_EQ(r.messages[0].text, gw::ChooseText(0, gw::txt::PuzzleTooLarge));
    EXPECT_EQ(r.messages[1].text, gw::ChooseText(0, gw::txt::TooManyColors));
    EXPECT_EQ(r.messages[2].text, gw::ChooseText(0, gw::txt::ErrorOpening));
}

// ---- Files on disk ---------------------------------------------------------

TEST(LoadPuzzle, MissingFileOrEmptyPathReadsNothing)
{
    gwtest::TempDir dir;
    for (const std::string& path : {std::string(), dir.file("none.pbm"), dir.path()}) {
        gw::Puzzle p = puzzleFromRows({"#"});
        p.PuzzleChanged = true;
        const gw::LoadResult r = gw::LoadPuzzle(p, path, ReaderVariant::Maker);
        EXPECT_EQ(r.status, LoadStatus::NoFile) << path;
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(p.cell(0, 0), gw::Black); // grid unchanged
        EXPECT_FALSE(p.PuzzleChanged);
    }
}

TEST(SavePbm, WritesTheFileAndClearsChanged)
{
    gwtest::TempDir dir;
    gw::Puzzle p = puzzleFromRows({"#.", ".#"});
    p.PuzzleChanged = true;
    p.PuzzleTitle = "Two dots";
    const gw::SaveResult saved = gw::SavePbm(p, dir.file("a.ppm"));
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_FALSE(p.PuzzleChanged);
    EXPECT_EQ(gwtest::readFile(dir.file("a.ppm")), gw::pbmBytes(p)); // the extension plays no part
    EXPECT_EQ(dir.names(), std::vector<std::string>{"a.ppm"});        // no temporary file left

    gw::Puzzle back;
    ASSERT_TRUE(gw::LoadPuzzle(back, dir.file("a.ppm"), ReaderVariant::Maker).loaded());
    EXPECT_EQ(rowsOf(back), rowsOf(p));
    EXPECT_EQ(back.PuzzleName, "a");
    EXPECT_EQ(back.PuzzleTitle, "Two dots");
    EXPECT_EQ(back.FileName, dir.file("a.ppm"));
}

TEST(SavePbm, ColourPuzzleIsSavedAsPpm)
{
    gwtest::TempDir dir;
    gw::Puzzle p = puzzleFromRows({"RB"}, true);
    ASSERT_TRUE(gw::SavePbm(p, dir.file("c.pbm")).ok);
    EXPECT_EQ(gwtest::readFile(dir.file("c.pbm")), gw::ppmBytes(p));
}

TEST(SavePbm, ReplacesAnExistingFile)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("old.pbm"), std::string(5000, 'x'));
    gw::Puzzle p = puzzleFromRows({"#"});
    ASSERT_TRUE(gw::SavePbm(p, dir.file("old.pbm")).ok);
    EXPECT_EQ(gwtest::readFile(dir.file("old.pbm")), gw::pbmBytes(p));
}

// Regression: saving deleted the old file before the new one was complete, and
// a failure was silent with the puzzle marked as saved.
TEST(SavePbm, FailureKeepsOldFileAndChangedFlag)
{
    gwtest::TempDir dir;
    // A name so long that no temporary file can be made beside it.
    const std::string target = dir.file(std::string(250, 'n') + ".pbm");
    gwtest::writeFile(target, "old contents");
    ASSERT_EQ(gwtest::readFile(target), "old contents");
    gw::Puzzle p = puzzleFromRows({"#"});
    p.PuzzleChanged = true;
    p.Language = 1;
    const gw::SaveResult saved = gw::SavePbm(p, target);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.reason.empty());
    EXPECT_TRUE(p.PuzzleChanged);
    EXPECT_EQ(gwtest::readFile(target), "old contents");
    EXPECT_EQ(saved.message.text, "Er is een fout opgetreden bij het opslaan van dit bestand.");
    EXPECT_EQ(saved.message.title, target);
    EXPECT_EQ(saved.message.icon, gw::MessageIcon::Critical);
    EXPECT_EQ(dir.names().size(), 1u);
}

TEST(SavePbm, FailureInMissingFolder)
{
    gwtest::TempDir dir;
    gw::Puzzle p = puzzleFromRows({"#"});
    p.PuzzleChanged = true;
    EXPECT_FALSE(gw::SavePpm(p, dir.file("no/such/folder/x.ppm")).ok);
    EXPECT_TRUE(p.PuzzleChanged);
}

// Regression: after a failed open the maker kept the previous file name, so
// Save wrote the white or half-read grid over that file.
TEST(LoadPuzzle, FailedReadLetsGoOfThePreviousFile)
{
    for (const std::string& data : {std::string("GIF89a"), std::string("P1 3 3 1 0")}) {
        gw::Puzzle p;
        p.FileName = "/puzzles/cat.pbm";
        p.PuzzleName = "cat";
        const gw::LoadResult r = readBytes(p, data, ReaderVariant::Maker, "/puzzles/broken.pbm");
        EXPECT_FALSE(r.loaded());
        EXPECT_EQ(p.FileName, gw::NoFileName) << data;
        EXPECT_EQ(p.PuzzleName, "cat");
    }
}

TEST(LoadPuzzle, MissingFileKeepsThePreviousFile)
{
    gw::Puzzle p;
    p.FileName = "/puzzles/cat.pbm";
    EXPECT_EQ(gw::LoadPuzzle(p, "", ReaderVariant::Maker).status, LoadStatus::NoFile);
    EXPECT_EQ(p.FileName, "/puzzles/cat.pbm");
}

TEST(StatusLines, NameThePathInTheLanguage)
{
    EXPECT_EQ(gw::fileOpenedStatus(0, "/p/cat.pbm"), "The file /p/cat.pbm has been opened.");
    EXPECT_EQ(gw::fileSavedStatus(0, "/p/cat.pbm"), "The file /p/cat.pbm has been saved.");
    EXPECT_EQ(gw::fileOpenedStatus(1, "/p/cat.pbm"), "Het bestand /p/cat.pbm is geopend.");
    EXPECT_EQ(gw::fileSavedStatus(3, "/p/cat.pbm"), "/p/cat.pbm");
}
