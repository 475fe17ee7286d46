// Our files against the netpbm tools: netpbm reads every file we write with
// the same pixels, and we read what netpbm writes. Skipped when netpbm is not
// installed (scripts/setup installs it).
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSupport.h"
#include "core/PuzzleFile.h"

namespace {

class Netpbm : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("{ command -v pnmtopnm && command -v pnmtoplainpnm && command -v pnmflip && "
                        "command -v pbmmake && command -v ppmmake; } >/dev/null 2>&1")
            != 0)
            GTEST_SKIP() << "netpbm tools are not installed";
    }
    // Runs `command` in the scratch folder.
    bool run(const std::string& command)
    {
        return std::system(("cd '" + dir.path() + "' && " + command + " 2>/dev/null").c_str()) == 0;
    }
    gwtest::TempDir dir;
};

// Colour, titled, width.
class NetpbmReadsOurFile : public Netpbm, public ::testing::WithParamInterface<std::tuple<bool, bool, int>> { };

} // namespace

// netpbm reads our file and writes it raw again: the same size, maximum and
// raster bytes, so the same pixels.
TEST_P(NetpbmReadsOurFile, WithTheSamePixels)
{
    const auto [color, titled, width] = GetParam();
    gw::Puzzle p;
    p.width = static_cast<std::int16_t>(width);
    p.height = 3;
    p.isColor = color;
    p.title = titled ? "Cat and dog" : "";
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; ++x)
            p.cell(x, y) = color ? static_cast<std::uint8_t>((x + 3 * y) % gw::PaletteSize)
                                 : static_cast<std::uint8_t>((x * 7 + y * 3) % 5 < 2 ? gw::Black : gw::White);
    ASSERT_TRUE(gw::savePbm(p, dir.file("ours.pnm")).ok);
    ASSERT_TRUE(run("pnmtopnm ours.pnm > raw.pnm"));
    const std::string ours = gwtest::readFile(dir.file("ours.pnm"));
    const std::size_t raster = static_cast<std::size_t>(color ? 9 * width : 3 * ((width + 7) / 8));
    const std::string size = std::to_string(width) + " 3\n";
    EXPECT_EQ(gwtest::readFile(dir.file("raw.pnm")),
              (color ? "P6\n" + size + "1\n" : "P4\n" + size) + ours.substr(ours.size() - raster));
}

INSTANTIATE_TEST_SUITE_P(Netpbm, NetpbmReadsOurFile,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool(), ::testing::Values(1, 7, 8, 9, 50)),
                         [](const auto& row) {
                             return (std::get<0>(row.param) ? "P6" : "P4")
                                    + std::string(std::get<1>(row.param) ? "Titled" : "Untitled")
                                    + std::to_string(std::get<2>(row.param));
                         });

// What netpbm writes, read as the maker does. netpbm writes plain PBM pixels
// as digits without blanks, which our reader takes as one number (see
// P1DigitsTogetherAreOnePixel), so only one-pixel-wide plain PBM reads back.
TEST_F(Netpbm, WeReadWhatNetpbmWrites)
{
    gwtest::writeFile(dir.file("in.pbm"), "P1\n# first comment\n9 2\n# between header and pixels\n"
                                          "1 0 1 0 1 1 0 1 0 # end of row\n0 1 1 0 0 0 1 0 1\n");
    gwtest::writeFile(dir.file("in.ppm"), "P3\n# colours\n4 1\n255\n# red, blue, grey, dark\n"
                                          "255 0 0  0 0 255  128 128 128  127 127 127\n");
    gwtest::writeFile(dir.file("column.pbm"), "P1\n1 3\n1\n0\n1\n");
    const std::vector<std::string> grid = {"#.#.##.#.", ".##...#.#"};
    struct {
        const char* command;
        const char* start; // how netpbm's file begins
        std::vector<std::string> rows;
        std::size_t notices;
    } cases[] = {{"cat in.pbm", "P1\n#", grid, 0},
                 {"pnmtopnm in.pbm", "P4\n9 2\n", grid, 0},
                 {"pnmtopnm in.ppm", "P6\n4 1\n255\n", {"RB.#"}, 1},
                 {"pnmtopnm in.ppm | pnmtoplainpnm", "P3\n4 1\n255\n", {"RB.#"}, 1},
                 {"pbmmake -black 9 2", "P4\n9 2\n", {"#########", "#########"}, 0},
                 {"ppmmake rgb:ff/00/ff 3 2", "P6\n3 2\n255\n", {"MMM", "MMM"}, 1},
                 {"pbmmake -white 60 30", "P4\n60 30\n", std::vector<std::string>(25, std::string(50, '.')), 1},
                 {"pnmtopnm column.pbm | pnmtoplainpnm", "P1\n1 3\n1\n0\n1\n", {"#", ".", "#"}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(run(std::string(c.command) + " > out.pnm"));
        EXPECT_EQ(gwtest::readFile(dir.file("out.pnm")).rfind(c.start, 0), 0u);
        gw::Puzzle p;
        const gw::LoadResult r = gw::readPuzzleFile(p, dir.file("out.pnm"), gw::ReaderVariant::Maker);
        EXPECT_EQ(r.status, gw::LoadStatus::Loaded);
        EXPECT_EQ(r.messages.size(), c.notices);
        EXPECT_EQ(gwtest::rowsOf(p), c.rows);
    }
}
