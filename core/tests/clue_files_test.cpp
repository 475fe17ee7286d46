// Clue files: the two writers byte for byte, the readers on what other
// programs write, the colour mapping, a table of malformed files, and the
// corners of the XML pugixml reads for them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/ClueFileEntities.h"
#include "core/ClueFiles.h"

namespace {

using gw::ClueFormat;
using gw::ClueReadResult;

// Row y of the tables as "len/colour len/colour", e.g. "1/0 2/0".
std::string rowText(const gw::ClueTables& c, int y)
{
    std::string text;
    const gw::LineClue& row = c.rows[static_cast<std::size_t>(y)];
    for (int k = 0; k < row.count; ++k)
        text += (k ? " " : "") + std::to_string(row.length(k)) + "/" + std::to_string(row.color(k));
    return text;
}

std::vector<std::string> pictureRows(const ClueReadResult& read)
{
    gw::Puzzle p;
    p.width = static_cast<std::int16_t>(read.file.width);
    p.height = static_cast<std::int16_t>(read.file.height);
    p.cells = read.file.picture.value();
    return gwtest::rowsOf(p);
}

gw::Puzzle tiny()
{
    gw::Puzzle p = gwtest::puzzleFromRows({"#.##", "....", "###."});
    p.title = "Tiny & <b>";
    return p;
}

TEST(ClueWriters, WebpbnGolden)
{
    EXPECT_EQ(gw::webpbnBytes(tiny()),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!DOCTYPE pbn SYSTEM \"http://webpbn.com/pbn-0.3.dtd\">\n"
              "<puzzleset>\n"
              "<puzzle type=\"grid\" defaultcolor=\"black\">\n"
              "<title>Tiny &amp; &lt;b&gt;</title>\n"
              "<color name=\"black\" char=\"X\">000000</color>\n"
              "<color name=\"white\" char=\".\">FFFFFF</color>\n"
              "<clues type=\"columns\">\n"
              "<line><count>1</count><count>1</count></line>\n"
              "<line><count>1</count></line>\n"
              "<line><count>1</count><count>1</count></line>\n"
              "<line><count>1</count></line>\n"
              "</clues>\n"
              "<clues type=\"rows\">\n"
              "<line><count>1</count><count>2</count></line>\n"
              "<line></line>\n"
              "<line><count>3</count></line>\n"
              "</clues>\n"
              "<solution type=\"goal\">\n<image>\n|X.XX|\n|....|\n|XXX.|\n</image>\n</solution>\n"
              "</puzzle>\n</puzzleset>\n");
}

TEST(ClueWriters, NonGolden)
{
    EXPECT_EQ(gw::nonBytes(tiny()), "title \"Tiny &amp; &lt;b&gt;\"\nwidth 4\nheight 3\n\nrows\n1,2\n0\n3\n\n"
                                    "columns\n1,1\n1\n1,1\n1\n\ngoal \"101100001110\"\n");
}

TEST(ClueWriters, ColorPuzzleNamesItsColorsAndRoundTrips)
{
    gw::Puzzle p = gwtest::puzzleFromRows({"RR.B", "A#MY", "G..."}, true);
    const std::string xml = gw::webpbnBytes(p);
    EXPECT_NE(xml.find("<line><count color=\"red\">2</count><count color=\"blue\">1</count></line>"),
              std::string::npos);
    EXPECT_NE(xml.find("<color name=\"aqua\" char=\"a\">00FFFF</color>"), std::string::npos);
    const ClueReadResult read = gw::readClueData(xml, ClueFormat::Webpbn, "c.xml");
    ASSERT_TRUE(read.ok) << read.messages.back().text;
    EXPECT_TRUE(read.messages.empty()); // palette colours map to themselves
    EXPECT_TRUE(read.file.color);
    EXPECT_EQ(pictureRows(read), gwtest::rowsOf(p));
    gw::ClueTables derived;
    gw::deriveClues(p, derived);
    EXPECT_TRUE(read.file.clues == derived); // the reader's clues are the derivation's, colour masks included
    EXPECT_EQ(read.file.clues.rows[1].colorMask, derived.rows[1].colorMask);
}

TEST(ClueWriters, ExportRefusesColorAsNonAndReportsWriteFailures)
{
    gwtest::TempDir dir;
    const gw::Puzzle color = gwtest::puzzleFromRows({"R#"}, true);
    const gw::SaveResult non = gw::exportClueFile(color, dir.path() + "c.non", ClueFormat::Non);
    EXPECT_FALSE(non.ok);
    EXPECT_EQ(non.message.text,
              "A .non file holds black-and-white puzzles only. Export this color puzzle as webpbn XML.");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "c.non"));
    EXPECT_TRUE(gw::exportClueFile(color, dir.path() + "c.xml", ClueFormat::Webpbn).ok);
    const gw::SaveResult missing = gw::exportClueFile(tiny(), dir.path() + "no/such/t.non", ClueFormat::Non);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message.text, "An error has occured while saving this file.");
}

TEST(ClueReaders, WebpbnAsOtherProgramsWriteIt)
{
    // Implicit black and white, counts without a colour, single quotes, a
    // comment, no solution.
    const ClueReadResult read = gw::readClueData(
        "\xEF\xBB\xBF<?xml version='1.0'?>\n<!DOCTYPE pbn SYSTEM \"pbn-0.3.dtd\" [ <!ENTITY x 'y'> ]>\n"
        "<puzzleset><source>x</source><puzzle>\n<title> Two &#x26; two </title><!-- note -->\n"
        "<clues type='columns'><line><count>2</count></line><line><count>1</count></line></clues>\n"
        "<clues type=\"rows\"><line><count>2</count></line><line><count>1</count></line></clues>\n"
        "</puzzle></puzzleset>\n",
        ClueFormat::Webpbn, "two.xml");
    ASSERT_TRUE(read.ok) << read.messages.back().text;
    EXPECT_EQ(read.file.title, "Two & two");
    EXPECT_EQ(read.file.width, 2);
    EXPECT_EQ(rowText(read.file.clues, 0), "2/0");
    EXPECT_EQ(rowText(read.file.clues, 1), "1/0");
    EXPECT_FALSE(read.file.picture);
    EXPECT_FALSE(read.file.color);
    // A puzzle without a title of its own takes the set's.
    const ClueReadResult untitled = gw::readClueData(
        "<puzzleset><title>Set</title><puzzle><clues type='rows'><line/></clues><clues type='columns'><line/>"
        "</clues></puzzle></puzzleset>",
        ClueFormat::Webpbn, "set.xml");
    ASSERT_TRUE(untitled.ok);
    EXPECT_EQ(untitled.file.title, "Set");
}

TEST(ClueReaders, NonAsOtherProgramsWriteIt)
{
    const ClueReadResult read =
        gw::readClueData("catalogue \"x\"\r\ntitle \"A &quot;b&quot;\"\r\nwidth 3\r\nheight 2\r\n"
                         "\r\nrows\r\n1 1\r\n\r\ncolumns\r\n1\r\n0\r\n1\r\ngoal 101000\r\n",
                         ClueFormat::Non, "a.non");
    ASSERT_TRUE(read.ok) << read.messages.back().text;
    EXPECT_EQ(read.file.title, "A \"b\"");
    EXPECT_EQ(rowText(read.file.clues, 0), "1/0 1/0");
    EXPECT_EQ(read.file.clues.rows[1].count, 0);
    EXPECT_EQ(pictureRows(read), (std::vector<std::string> {"#.#", "..."}));
}

struct ColorCase {
    const char* name;
    std::vector<std::string> colors; // "name=rgb" of the clue colours, one run each in row 0
    std::string expected;            // row 0 as rowText, or the English failure
    bool notice;
};

class ClueColors : public testing::TestWithParam<ColorCase> { };

TEST_P(ClueColors, EachFileColorGetsAPaletteColorOfItsOwn)
{
    const ColorCase& c = GetParam();
    std::string defs, row, columns;
    for (const std::string& color : c.colors) {
        const std::size_t eq = color.find('=');
        defs += "<color name=\"" + color.substr(0, eq) + "\">" + color.substr(eq + 1) + "</color>";
        row += "<count color=\"" + color.substr(0, eq) + "\">1</count>";
        columns += "<line><count color=\"" + color.substr(0, eq) + "\">1</count></line>";
    }
    const ClueReadResult read =
        gw::readClueData("<puzzleset><puzzle>" + defs + "<clues type=\"rows\"><line>" + row
                             + "</line></clues><clues type=\"columns\">" + columns + "</clues></puzzle></puzzleset>",
                         ClueFormat::Webpbn, "c.xml");
    if (!read.ok) {
        EXPECT_EQ(read.messages.back().text, c.expected);
        return;
    }
    EXPECT_EQ(rowText(read.file.clues, 0), c.expected);
    EXPECT_EQ(!read.messages.empty(), c.notice);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClueColors,
    testing::Values(ColorCase {"palette", {"red=f00", "blue=#0000ff", "black=000"}, "1/2 1/3 1/0", false},
                    ColorCase {"orangeToYellow", {"red=ff0000", "orange=ff8000"}, "1/2 1/4", true},
                    ColorCase {"twoRedsStayApart", {"dark=c00000", "light=ff2020"}, "1/0 1/2", true},
                    ColorCase {"greyIsNeverWhite", {"grey=eeeeee"}, "1/4", true},
                    ColorCase {"eightColors",
                               {"a=100", "b=200", "c=300", "d=400", "e=500", "f=600", "g=700", "h=800"},
                               "This puzzle uses more than 8 colors; Gridwick's palette has 8.",
                               false}),
    [](const testing::TestParamInfo<ColorCase>& row) { return row.param.name; });

TEST(ClueColors, NoticeNamesTheReplacedColors)
{
    const ClueReadResult read = gw::readClueData(
        "<puzzleset><puzzle><color name=\"orange\" char=\"o\">ff8000</color><clues type=\"rows\"><line><count "
        "color=\"orange\">1</count></line></clues><clues type=\"columns\"><line><count "
        "color=\"orange\">1</count></line></clues></puzzle></puzzleset>",
        ClueFormat::Webpbn, "o.xml", gw::Language::Dutch);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.messages.size(), 1u);
    EXPECT_EQ(read.messages[0].icon, gw::MessageIcon::Information);
    EXPECT_NE(read.messages[0].text.find("\norange (#FF8000) \u2192 geel"), std::string::npos);
}

struct BadFile {
    const char* name;
    ClueFormat format;
    std::string bytes;
    std::string message; // English
};

class MalformedClueFiles : public testing::TestWithParam<BadFile> { };

TEST_P(MalformedClueFiles, AreRefusedWithAClearMessage)
{
    const BadFile& bad = GetParam();
    const ClueReadResult read = gw::readClueData(bad.bytes, bad.format, "/p/bad");
    ASSERT_FALSE(read.ok);
    EXPECT_EQ(read.messages.back().text, bad.message);
    EXPECT_EQ(read.messages.back().title, "/p/bad");
    EXPECT_EQ(read.messages.back().icon, gw::MessageIcon::Critical);
}

const std::string Rows1 = "<clues type=\"rows\"><line><count>1</count></line></clues>";
const std::string Columns1 = "<clues type=\"columns\"><line><count>1</count></line></clues>";
std::string xml(const std::string& inside) { return "<puzzleset>\n<puzzle>\n" + inside + "\n</puzzle></puzzleset>"; }
std::string manyColumns(int n) { return "<clues type=\"columns\">" + gwtest::repeat("<line></line>", n) + "</clues>"; }
std::string manyAttributes(std::size_t n)
{
    std::string attributes;
    for (std::size_t i = 0; i < n; ++i)
        attributes += " a" + std::to_string(i) + "=\"\"";
    return attributes;
}
std::string manyColors(int n)
{
    std::string colors;
    for (int i = 0; i < n; ++i)
        colors += "<color name=\"c" + std::to_string(i) + "\">000</color>";
    return colors;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedClueFiles,
    testing::Values(
        BadFile {"unclosedTag", ClueFormat::Webpbn, xml(Rows1 + "\n<clues>"),
                 "This is not a valid XML file: the error is on line 5."},
        BadFile {"mismatchedTag", ClueFormat::Webpbn, "<puzzleset>\n<puzzle></puzzleset>",
                 "This is not a valid XML file: the error is on line 2."},
        BadFile {"unknownEntity", ClueFormat::Webpbn, xml("<title>&copy;</title>"),
                 "This is not a valid XML file: the error is on line 3."},
        BadFile {"textAfterRoot", ClueFormat::Webpbn, xml(Rows1 + Columns1) + "x",
                 "This is not a valid XML file: the error is on line 4."},
        BadFile {"nestedTooDeep", ClueFormat::Webpbn, gwtest::repeat("<a>", 100),
                 "This file is too large to be a clue file."},
        BadFile {"noRows", ClueFormat::Webpbn, xml(Columns1),
                 "This clue file lacks a part it needs: the size, the row clues or the column clues."},
        BadFile {"otherRoot", ClueFormat::Webpbn, "<html/>",
                 "This clue file lacks a part it needs: the size, the row clues or the column clues."},
        BadFile {"triddler", ClueFormat::Webpbn, "<puzzleset><puzzle type=\"triddler\"/></puzzleset>",
                 "This clue file holds a kind of puzzle Gridwick cannot read (only grid puzzles can be read)."},
        BadFile {"countNotANumber", ClueFormat::Webpbn,
                 xml(Columns1
                     + "\n<clues type=\"rows\"><line><count>x"
                       "</count></line></clues>"),
                 "This clue file cannot be read: line 4 is not valid."},
        BadFile {"zeroAmongRuns", ClueFormat::Webpbn,
                 xml(Columns1 + "\n<clues type=\"rows\"><line><count>1</count><count>0</count></line></clues>"),
                 "A number on line 4 of this clue file is out of range."},
        BadFile {"runTooLong", ClueFormat::Webpbn,
                 xml(Columns1 + "<clues type=\"rows\"><line><count>2</count></line></clues>"),
                 "The clue of row 1 does not fit in the row."},
        BadFile {"sameColorNeedsAGap", ClueFormat::Webpbn,
                 xml(manyColumns(3) + "<clues type=\"rows\"><line><count>2</count><count>1</count></line></clues>"),
                 "The clue of row 1 does not fit in the row."},
        BadFile {"fiftyOneColumns", ClueFormat::Webpbn, xml(Rows1 + manyColumns(51)),
                 "This puzzle is 51 x 1 cells; Gridwick's largest puzzle is 50 x 50."},
        BadFile {"undefinedColor", ClueFormat::Webpbn,
                 xml(Rows1 + "\n<clues type=\"columns\"><line><count color=\"teal\">1</count></line></clues>"),
                 "Line 4 of this clue file uses a color the file does not define."},
        BadFile {"solutionWrongSize", ClueFormat::Webpbn,
                 xml(Rows1 + Columns1 + "<solution><image>|XX|</image></solution>"),
                 "The solution in this clue file is not a complete picture of the puzzle's size."},
        BadFile {"partialSolution", ClueFormat::Webpbn,
                 xml(Rows1 + Columns1 + "<solution type=\"goal\"><image>|?|</image></solution>"),
                 "The solution in this clue file is not a complete picture of the puzzle's size."},
        BadFile {"solutionMismatch", ClueFormat::Webpbn,
                 xml(Rows1 + Columns1 + "<solution><image>|.|</image></solution>"),
                 "The solution in this clue file does not match its clues."},
        // Regression: a colour defined twice was taken from its second definition.
        BadFile {"colorNameTwice", ClueFormat::Webpbn,
                 xml("<color name=\"red\" char=\"r\">FF0000</color><color name=\"red\" char=\"s\">00FF00</color>"
                     + Rows1 + Columns1),
                 "The color \"red\" is defined twice in this clue file."},
        BadFile {"colorCharTwice", ClueFormat::Webpbn,
                 xml("<color name=\"red\" char=\"r\">F00</color><color name=\"rose\" char=\"r\">F88</color>" + Rows1
                     + Columns1),
                 "The character \"r\" stands for two colors in this clue file."},
        BadFile {"colorNameShownShortAndPrintable", ClueFormat::Webpbn,
                 xml(gwtest::repeat("<color name=\"a\nb" + std::string(50, 'c') + "\">000</color>", 2)),
                 "The color \"a?b" + std::string(37, 'c') + "\u2026\" is defined twice in this clue file."},
        BadFile {"tooManyColors", ClueFormat::Webpbn, xml(manyColors(257) + Rows1 + Columns1),
                 "This clue file defines more than 256 colors."},
        BadFile {"tooManyAttributes", ClueFormat::Webpbn, "<puzzleset" + manyAttributes(65) + "/>",
                 "This file is too large to be a clue file."},
        BadFile {"titleTooLong", ClueFormat::Webpbn,
                 xml("<title>" + std::string(1001, 'x') + "</title>" + Rows1 + Columns1),
                 "The title in this clue file is longer than 1000 bytes."},
        BadFile {"solutionRowTooLong", ClueFormat::Webpbn,
                 xml(Rows1 + Columns1 + "<solution><image>|" + std::string(51, 'X') + "|</image></solution>"),
                 "The solution in this clue file is not a complete picture of the puzzle's size."},
        BadFile {"nonTitleTooLong", ClueFormat::Non,
                 "title \"" + gwtest::repeat("&amp;", 1001) + "\"\nwidth 1\nheight 1\nrows\n1\ncolumns\n1\n",
                 "The title in this clue file is longer than 1000 bytes."},
        // Regression: a goal of many rows was kept whole, however long.
        BadFile {"nonGoalTooManyRows", ClueFormat::Non,
                 "width 1\nheight 1\nrows\n1\ncolumns\n1\ngoal \"" + std::string(100000, '1') + "\"\n",
                 "The solution in this clue file is not a complete picture of the puzzle's size."},
        BadFile {"nonNoHeight", ClueFormat::Non, "width 1\nrows\n1\ncolumns\n1\n",
                 "This clue file lacks a part it needs: the size, the row clues or the column clues."},
        BadFile {"nonTooFewRows", ClueFormat::Non, "width 1\nheight 3\ncolumns\n1\nrows\n1\n",
                 "This clue file lacks a part it needs: the size, the row clues or the column clues."},
        BadFile {"nonSizeNotANumber", ClueFormat::Non, "width 1\nheight two\n",
                 "This clue file cannot be read: line 2 is not valid."},
        BadFile {"nonZeroWidth", ClueFormat::Non, "width 0\n", "A number on line 1 of this clue file is out of range."},
        BadFile {"nonEmptyItem", ClueFormat::Non, "width 2\nheight 1\nrows\n1,,1\ncolumns\n1\n1\n",
                 "This clue file cannot be read: line 4 is not valid."},
        BadFile {"nonColors", ClueFormat::Non, "width 1\nheight 1\nrows\n1a\ncolumns\n1a\n",
                 "This .non file holds a color puzzle. Gridwick reads color puzzles from webpbn XML files only."},
        BadFile {"nonRunTooLong", ClueFormat::Non, "width 1\nheight 1\nrows\n1\ncolumns\n51\n",
                 "A number on line 6 of this clue file is out of range."},
        BadFile {"nonColumnTooLong", ClueFormat::Non, "width 1\nheight 2\nrows\n1\n1\ncolumns\n1,1\n",
                 "The clue of column 1 does not fit in the column."},
        // Regression (found by fuzz_clues_non): the runs of a line with more
        // runs than a line has room for were stored past the clue tables.
        BadFile {"nonMoreRunsThanRoom", ClueFormat::Non,
                 "width 50\nheight 1\nrows\n1\ncolumns\n" + gwtest::repeat("0\n", 49) + gwtest::repeat("1,", 52)
                     + "1\n",
                 "The clue of column 50 does not fit in the column."},
        BadFile {"nonTooHigh", ClueFormat::Non, "width 1\nheight 60\nrows\n" + std::string(60, '\n') + "columns\n0\n",
                 "This puzzle is 1 x 60 cells; Gridwick's largest puzzle is 50 x 50."},
        BadFile {"nonGoalTooShort", ClueFormat::Non, "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\ngoal \"1\"\n",
                 "The solution in this clue file is not a complete picture of the puzzle's size."},
        BadFile {"nonGoalMismatch", ClueFormat::Non, "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\ngoal \"01\"\n",
                 "The solution in this clue file does not match its clues."}),
    [](const testing::TestParamInfo<BadFile>& row) { return row.param.name; });

TEST(ClueFileOnDisk, FormatByExtensionElseByContentAndSizeLimit)
{
    gwtest::TempDir dir;
    const auto write = [&](const std::string& name, const std::string& bytes) {
        gwtest::writeFile(dir.file(name), bytes);
        return dir.file(name);
    };
    EXPECT_TRUE(gw::readClueFile(write("a.XML", gw::webpbnBytes(tiny()))).ok);
    EXPECT_TRUE(gw::readClueFile(write("a.txt", "  " + gw::webpbnBytes(tiny()))).ok);
    EXPECT_TRUE(gw::readClueFile(write("b.txt", gw::nonBytes(tiny()))).ok);
    EXPECT_FALSE(gw::readClueFile(write("c.non", gw::webpbnBytes(tiny()))).ok); // the extension decides
    const std::string big = write("big.xml", std::string(gw::MaxClueFileBytes + 1, ' '));
    EXPECT_EQ(gw::readClueFile(big).messages.back().text, "This file is too large to be a clue file.");
    EXPECT_EQ(gw::readClueFile(dir.path()).messages.back().text, "An error has occured while opening this file.");
    EXPECT_EQ(gw::readClueFile(dir.path() + "none.non").messages.back().text,
              "An error has occured while opening this file.");
}

TEST(ClueXml, ReferencesCdataAndEscaping)
{
    const std::string red = "<clues type='rows'><line><count color='&#x72;ed'>1</count></line></clues>"
                            "<clues type='columns'><line><count color='r&#101;d'>1</count></line></clues>";
    const ClueReadResult read =
        gw::readClueData(xml("<title>x&lt;&#65;<![CDATA[<y>]]>z<?pi?><b/></title><color name='red'>F00</color>" + red),
                         ClueFormat::Webpbn, "refs.xml");
    ASSERT_TRUE(read.ok) << read.messages.back().text;
    EXPECT_EQ(read.file.title, "x<A<y>z");
    EXPECT_TRUE(read.file.color);
    EXPECT_EQ(gw::clue_source::escapeXml("a\"<&>\x01\xC3\xA9\xFF"), "a&quot;&lt;&amp;&gt; \xC3\xA9 ");
    EXPECT_EQ(gw::clue_source::unescapeXml("&amp;&copy;&#233;"), "&&copy;\xC3\xA9");
    EXPECT_EQ(gw::clue_source::unescapeXml("&&amp;&#65&#x41;"), "&&&#65A");
}

// What pugixml lets through and the reader refuses, and the XML limits.
const std::string NotXmlOnLine = "This is not a valid XML file: the error is on line ";
const std::string TooLarge = "This file is too large to be a clue file.";

INSTANTIATE_TEST_SUITE_P(
    Xml, MalformedClueFiles,
    testing::Values(
        BadFile {"empty", ClueFormat::Webpbn, "", NotXmlOnLine + "1."},
        BadFile {"duplicateAttribute", ClueFormat::Webpbn, "<a>\n<b k='1' j='0' k='2'/></a>", NotXmlOnLine + "2."},
        BadFile {"lessThanInAttribute", ClueFormat::Webpbn, "<a k='<'/>", NotXmlOnLine + "1."},
        BadFile {"zeroCharacter", ClueFormat::Webpbn, "<a>&#0;</a>", NotXmlOnLine + "1."},
        BadFile {"zeroByte", ClueFormat::Webpbn, std::string("<a/>\n\0<b>", 9), NotXmlOnLine + "2."},
        BadFile {"secondRoot", ClueFormat::Webpbn, "<a/>\n<b/>", NotXmlOnLine + "2."},
        BadFile {"textBeforeRoot", ClueFormat::Webpbn, "x\n<a/>", NotXmlOnLine + "1."},
        BadFile {"unknownEntityLine", ClueFormat::Webpbn, "<a>\n\n  &x;</a>", NotXmlOnLine + "3."},
        BadFile {"declaredEntity", ClueFormat::Webpbn, "<!DOCTYPE a [<!ENTITY x 'y'>]><a>&x;</a>", NotXmlOnLine + "1."},
        BadFile {"attributesOverLimit", ClueFormat::Webpbn, "<a" + manyAttributes(65) + "/>", TooLarge},
        BadFile {"attributesOverLimitAndCutShort", ClueFormat::Webpbn, "<a" + manyAttributes(65) + "><b>", TooLarge},
        BadFile {"overSizeLimit", ClueFormat::Webpbn, "<a>" + std::string(gw::MaxClueFileBytes, ' ') + "</a>",
                 TooLarge}),
    [](const testing::TestParamInfo<BadFile>& row) { return row.param.name; });

TEST(ClueXml, LimitsAreInclusive)
{
    // 64 attributes on an element, 100000 elements in all.
    const std::string attributes =
        "<puzzleset" + manyAttributes(64) + "><puzzle>" + Rows1 + Columns1 + "</puzzle></puzzleset>";
    EXPECT_TRUE(gw::readClueData(attributes, ClueFormat::Webpbn, "a").ok);
    const std::string elements = gwtest::repeat("<e/>", 100000 - 8); // beside the 8 of a 1 x 1 puzzle
    EXPECT_TRUE(gw::readClueData(xml(Rows1 + Columns1 + elements), ClueFormat::Webpbn, "e").ok);
    EXPECT_EQ(gw::readClueData(xml(Rows1 + Columns1 + elements + "<e/>"), ClueFormat::Webpbn, "e").messages.back().text,
              TooLarge);
}

} // namespace
