// Our files against the netpbm tools: netpbm reads every file we write with
// the same pixels, and we read what netpbm writes. Skipped when netpbm is not
// installed (scripts/setup installs it).
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <sstream>

#include "TestSupport.h"
#include "core/PuzzleFile.h"

using gw::LoadStatus;
using gw::ReaderVariant;

namespace {

bool netpbmPresent()
{
    return std::system("command -v pnmtoplainpnm >/dev/null 2>&1 && command -v pamfile >/dev/null 2>&1 && "
                       "command -v pnmtopnm >/dev/null 2>&1 && command -v pbmmake >/dev/null 2>&1 && "
                       "command -v ppmmake >/dev/null 2>&1") == 0;
}

#define SKIP_WITHOUT_NETPBM()                                  \
    do {                                                       \
        if (!netpbmPresent())                                  \
            GTEST_SKIP() << "netpbm tools are not installed"; \
    } while (false)

struct ToolOutput {
    int status = -1;
    std::string out;
};

ToolOutput run(const std::string& command)
{
    ToolOutput result;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    result.status = pclose(pipe);
    return result;
}

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

// A plain PBM or PPM as netpbm writes it, read independently of our reader:
// tokens after dropping comments; in P1 every digit is one pixel.
struct PlainImage {
    std::string magic;
    int width = 0, height = 0, maxval = 1;
    std::vector<int> samples;
};

PlainImage parsePlain(const std::string& text)
{
    std::vector<std::string> tokens;
    std::string token;
    bool comment = false;
    for (char c : text) {
        if (comment) {
            comment = c != '\n' && c != '\r';
            continue;
        }
        if (c == '#') {
            comment = true;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            if (!token.empty())
                tokens.push_back(token), token.clear();
        } else {
            token += c;
        }
    }
    if (!token.empty())
        tokens.push_back(token);
    PlainImage image;
    if (tokens.size() < 3)
        return image;
    image.magic = tokens[0];
    image.width = std::stoi(tokens[1]);
    image.height = std::stoi(tokens[2]);
    std::size_t first = 3;
    if (image.magic == "P3")
        image.maxval = std::stoi(tokens[first++]);
    for (std::size_t i = first; i < tokens.size(); ++i) {
        if (image.magic == "P1") {
            for (char digit : tokens[i])
                image.samples.push_back(digit - '0');
        } else {
            image.samples.push_back(std::stoi(tokens[i]));
        }
    }
    return image;
}

// The pixels of a plain image as grid rows ('#' for a black PBM pixel; for
// PPM the palette letter of the reduced sample bits).
std::vector<std::string> rowsOfPlain(const PlainImage& image)
{
    std::vector<std::string> rows;
    const int perPixel = image.magic == "P3" ? 3 : 1;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const std::size_t at = static_cast<std::size_t>((y * image.width + x) * perPixel);
            if (perPixel == 1) {
                row += image.samples.at(at) ? '#' : '.';
                continue;
            }
            int bits[3];
            for (int c = 0; c < 3; ++c)
                bits[c] = image.samples.at(at + static_cast<std::size_t>(c)) * 2 >= image.maxval ? 1 : 0;
            row += gwtest::CellLetters[gw::paletteIndexFromBits(bits[0], bits[1], bits[2])];
        }
        rows.push_back(row);
    }
    return rows;
}

gw::Puzzle patterned(int width, int height, bool color, const std::string& title)
{
    gw::Puzzle p;
    p.PuzzleWidth = static_cast<std::int16_t>(width);
    p.PuzzleHeight = static_cast<std::int16_t>(height);
    p.ColorPuzzle = color;
    p.PuzzleTitle = title;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.cell(x, y) = color ? static_cast<std::uint8_t>((x + 3 * y) % gw::PaletteSize)
                                 : static_cast<std::uint8_t>((x * 7 + y * 3) % 5 < 2 ? gw::Black : gw::White);
    return p;
}

struct WrittenCase {
    bool color;
    bool titled;
    int width;
};

std::string caseName(const WrittenCase& c)
{
    return std::string(c.color ? "P6" : "P4") + (c.titled ? "Titled" : "Untitled") + "Width" +
           std::to_string(c.width);
}

void PrintTo(const WrittenCase& c, std::ostream* os)
{
    *os << caseName(c);
}

} // namespace

class NetpbmReadsOurFile : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(NetpbmReadsOurFile, WithTheSamePixels)
{
    SKIP_WITHOUT_NETPBM();
    const WrittenCase& c = GetParam();
    gwtest::TempDir dir;
    const std::string path = dir.file("ours.pnm");
    gw::Puzzle p = patterned(c.width, 3, c.color, c.titled ? "Cat and dog" : "");
    ASSERT_TRUE(gw::SavePbm(p, path).ok);

    const ToolOutput info = run("pamfile " + quoted(path));
    ASSERT_EQ(info.status, 0);
    const std::string kind = c.color ? "PPM raw, " : "PBM raw, ";
    EXPECT_NE(info.out.find(kind + std::to_string(c.width) + " by 3"), std::string::npos) << info.out;

    const ToolOutput plain = run("pnmtoplainpnm " + quoted(path));
    ASSERT_EQ(plain.status, 0);
    const PlainImage image = parsePlain(plain.out);
    EXPECT_EQ(image.magic, c.color ? "P3" : "P1");
    EXPECT_EQ(image.maxval, 1);
    std::vector<std::string> expected = gwtest::rowsOf(p);
    if (!c.color) {
        for (std::string& row : expected)
            for (char& cell : row)
                cell = cell == '.' ? '.' : '#';
    }
    EXPECT_EQ(rowsOfPlain(image), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Netpbm, NetpbmReadsOurFile,
    ::testing::ValuesIn([] {
        std::vector<WrittenCase> cases;
        for (bool color : {false, true})
            for (bool titled : {false, true})
                for (int width : {1, 7, 8, 9, 50})
                    cases.push_back({color, titled, width});
        return cases;
    }()),
    [](const auto& info) { return caseName(info.param); });

// ---- What netpbm writes -----------------------------------------------------

namespace {

// Loads `path` as the maker does and returns its rows.
std::vector<std::string> loadRows(const std::string& path, LoadStatus expected = LoadStatus::Loaded)
{
    gw::Puzzle p;
    const gw::LoadResult r = gw::LoadPuzzle(p, path, ReaderVariant::Maker);
    EXPECT_EQ(r.status, expected) << path;
    return gwtest::rowsOf(p);
}

const std::vector<std::string> Grid = {"#.#.##.#.", ".##...#.#"};
const std::string PlainWithComments = "P1\n# first comment\n9 2\n# between header and pixels\n"
                                      "1 0 1 0 1 1 0 1 0 # end of row\n0 1 1 0 0 0 1 0 1\n";

} // namespace

TEST(NetpbmWrites, RawPbmFromCommentedPlainInput)
{
    SKIP_WITHOUT_NETPBM();
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("in.pbm"), PlainWithComments);
    EXPECT_EQ(loadRows(dir.file("in.pbm")), Grid); // netpbm reads this file too (below)
    ASSERT_EQ(std::system(("pnmtopnm " + quoted(dir.file("in.pbm")) + " > " + quoted(dir.file("raw.pbm"))).c_str()), 0);
    ASSERT_EQ(gwtest::readFile(dir.file("raw.pbm")).substr(0, 3), "P4\n");
    EXPECT_EQ(loadRows(dir.file("raw.pbm")), Grid);
}

TEST(NetpbmWrites, RawAndPlainPpmWithFullMaximum)
{
    SKIP_WITHOUT_NETPBM();
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("in.ppm"), "P3\n# colours\n4 1\n255\n# red, blue, grey, dark\n"
                                          "255 0 0  0 0 255  128 128 128  127 127 127\n");
    ASSERT_EQ(std::system(("pnmtopnm " + quoted(dir.file("in.ppm")) + " > " + quoted(dir.file("raw.ppm"))).c_str()), 0);
    ASSERT_EQ(std::system(("pnmtoplainpnm " + quoted(dir.file("raw.ppm")) + " > " + quoted(dir.file("plain.ppm"))).c_str()), 0);
    ASSERT_EQ(gwtest::readFile(dir.file("raw.ppm")).substr(0, 3), "P6\n");
    ASSERT_EQ(gwtest::readFile(dir.file("plain.ppm")).substr(0, 3), "P3\n");
    for (const char* name : {"in.ppm", "raw.ppm", "plain.ppm"}) {
        gw::Puzzle p;
        const gw::LoadResult r = gw::LoadPuzzle(p, dir.file(name), ReaderVariant::Player);
        ASSERT_EQ(r.status, LoadStatus::Loaded) << name;
        EXPECT_EQ(r.messages.size(), 1u) << name; // more than 8 colours
        EXPECT_EQ(gwtest::rowsOf(p), std::vector<std::string>{"RB.#"}) << name;
    }
}

TEST(NetpbmWrites, MadeImages)
{
    SKIP_WITHOUT_NETPBM();
    gwtest::TempDir dir;
    ASSERT_EQ(std::system(("pbmmake -black 9 2 > " + quoted(dir.file("black.pbm"))).c_str()), 0);
    ASSERT_EQ(std::system(("ppmmake rgb:ff/00/ff 3 2 > " + quoted(dir.file("magenta.ppm"))).c_str()), 0);
    ASSERT_EQ(std::system(("pbmmake -white 60 30 > " + quoted(dir.file("wide.pbm"))).c_str()), 0);
    EXPECT_EQ(loadRows(dir.file("black.pbm")), std::vector<std::string>(2, "#########"));
    EXPECT_EQ(loadRows(dir.file("magenta.ppm")), std::vector<std::string>(2, "MMM"));
    EXPECT_EQ(loadRows(dir.file("wide.pbm")), std::vector<std::string>(25, std::string(50, '.')));
}

// netpbm writes plain PBM pixels as digits without blanks; our reader takes a
// run of digits as one number, as the file format of the programs has always
// done, so only one-pixel-wide plain PBM from netpbm reads back.
TEST(NetpbmWrites, PlainPbmDigitsWithoutBlanks)
{
    SKIP_WITHOUT_NETPBM();
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("column.pbm"), "P1\n1 3\n1\n0\n1\n");
    ASSERT_EQ(std::system(("pnmtopnm " + quoted(dir.file("column.pbm")) + " | pnmtoplainpnm > " +
                           quoted(dir.file("plain1.pbm"))).c_str()), 0);
    EXPECT_EQ(loadRows(dir.file("plain1.pbm")), (std::vector<std::string>{"#", ".", "#"}));

    ASSERT_EQ(std::system(("pnmtopnm " + quoted(dir.file("column.pbm")) + " | pnmflip -transpose | pnmtoplainpnm > " +
                           quoted(dir.file("plain3.pbm"))).c_str()), 0);
    ASSERT_NE(gwtest::readFile(dir.file("plain3.pbm")).find("101"), std::string::npos);
    loadRows(dir.file("plain3.pbm"), LoadStatus::ReadError);
}
