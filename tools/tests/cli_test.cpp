#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "core/PuzzleFile.h"
#include "core/tests/TestSupport.h"
#include "tools/Commands.h"

namespace {

struct CommandRun {
    int code;
    std::string out;
    std::string err;
};

CommandRun clues(const std::string& path)
{
    std::ostringstream out, err;
    const int code = gw::cli::runClues({path}, out, err);
    return {code, out.str(), err.str()};
}

CommandRun convert(const std::string& in, const std::string& outPath)
{
    std::ostringstream out, err;
    const int code = gw::cli::runConvert({in, outPath}, out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST(CluesCommand, PrintsSizeTitleRowsAndColumns)
{
    gwtest::TempDir dir;
    gw::Puzzle p = gwtest::puzzleFromRows({"RR.B", "....", "#R.B"}, true);
    p.PuzzleTitle = "Mixed bag";
    ASSERT_TRUE(gw::SavePbm(p, dir.file("mix.ppm")).ok);
    const CommandRun r = clues(dir.file("mix.ppm"));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "size 4 3 color\n"
                     "title Mixed bag\n"
                     "row 0 2: 2/2 1/3\n"
                     "row 1 0:\n"
                     "row 2 3: 1/0 1/2 1/3\n"
                     "col 0 2: 1/2 1/0\n"
                     "col 1 2: 1/2 1/2\n"
                     "col 2 0:\n"
                     "col 3 2: 1/3 1/3\n");
}

TEST(CluesCommand, EmptyTitlePrintsTheWordOnly)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("one.pbm"), "P1\n1 1\n1\n");
    EXPECT_EQ(clues(dir.file("one.pbm")).out, "size 1 1 bw\ntitle\nrow 0 1: 1/0\ncol 0 1: 1/0\n");
}

TEST(CluesCommand, NoticesGoToStandardErrorInOrder)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("big.ppm"), "P6 60 10 255\n" + std::string(60 * 10 * 3, '\xff'));
    const CommandRun r = clues(dir.file("big.ppm"));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "notice: This puzzle is too large. Its size will therefore be reduced, which may affect the "
                     "quality.\n"
                     "notice: This bitmap contains more than 8 colors. The colors will be compressed. If you save "
                     "the bitmap, only 8 colors will be saved.\n");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "size 50 8 color");
}

struct FailureCase {
    const char* name;
    std::string data; // empty: no file at all
    std::string err;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class CluesFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CluesFailure, PrintsErrorAndExitsOne)
{
    gwtest::TempDir dir;
    const std::string path = dir.file("f.pbm");
    if (!GetParam().data.empty())
        gwtest::writeFile(path, GetParam().data);
    const CommandRun r = clues(path);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    std::string expected = GetParam().err;
    const std::size_t at = expected.find("PATH");
    if (at != std::string::npos)
        expected.replace(at, 4, path);
    EXPECT_EQ(r.err, expected);
}

INSTANTIATE_TEST_SUITE_P(
    CluesCommand, CluesFailure,
    ::testing::Values(
        FailureCase{"MissingFile", "", "error: PATH: no such file\n"},
        FailureCase{"NotAPuzzle", "GIF89a", "error: This is not a valid PBM- or PPM-file.\n"},
        FailureCase{"ShortRaster", "P4 8 8\n\xff", "error: An error has occured while opening this file.\n"},
        FailureCase{"NoticeBeforeError", "P4 80 8\n\xff",
                    "notice: This puzzle is too large. Its size will therefore be reduced, which may affect the "
                    "quality.\n"
                    "error: An error has occured while opening this file.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CluesCommand, WrongUsage)
{
    std::ostringstream out, err;
    EXPECT_EQ(gw::cli::runClues({}, out, err), 2);
    EXPECT_EQ(gw::cli::runClues({"a", "b"}, out, err), 2);
    EXPECT_NE(err.str().find("usage"), std::string::npos);
}

TEST(ConvertCommand, PlainToRawWithTitle)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("in.pbm"), "P1\n# Puzzle Title: Heart\n3 2\n1 0 1\n0 1 0\n");
    const CommandRun r = convert(dir.file("in.pbm"), dir.file("out.pbm"));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(gwtest::readFile(dir.file("out.pbm")),
              std::string("P4\r\n# Puzzle Title: Heart\r\n3 2\r") + '\xa0' + '\x40');
}

TEST(ConvertCommand, ColourStaysColour)
{
    gwtest::TempDir dir;
    gwtest::writeFile(dir.file("in.ppm"), "P3 2 1 1  1 0 0  0 1 1\n");
    ASSERT_EQ(convert(dir.file("in.ppm"), dir.file("out.pbm")).code, 0);
    EXPECT_EQ(gwtest::readFile(dir.file("out.pbm")),
              std::string("P6\r\n# Made with Gridwick Puzzle Maker\r\n2 1\r\n1\r") +
                  std::string("\x01\x00\x00\x00\x01\x01", 6));
}

TEST(ConvertCommand, FailuresExitOneAndWriteNothing)
{
    gwtest::TempDir dir;
    CommandRun r = convert(dir.file("missing.pbm"), dir.file("out.pbm"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "error: " + dir.file("missing.pbm") + ": no such file\n");

    gwtest::writeFile(dir.file("in.pbm"), "P1 1 1 1");
    r = convert(dir.file("in.pbm"), dir.file("no/folder/out.pbm"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("error: An error has occured while saving this file. (", 0), 0u) << r.err;
    EXPECT_EQ(dir.names(), std::vector<std::string>{"in.pbm"});
}

// The installed program: dispatch and exit codes.
TEST(GridwickCli, DispatchesAndExits)
{
    const std::string cli = std::string(GRIDWICK_BIN_DIR) + "/gridwick-cli";
    const std::string heart = std::string(GRIDWICK_SOURCE_DIR) + "/samples/heart.pbm";
    auto status = [](const std::string& command) {
        const int raw = std::system((command + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status(cli + " clues '" + heart + "'"), 0);
    EXPECT_EQ(status(cli + " clues /no/such/file.pbm"), 1);
    EXPECT_EQ(status(cli), 2);
    EXPECT_EQ(status(cli + " frobnicate"), 2);

    FILE* pipe = popen((cli + " clues '" + heart + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[64] = {};
    ASSERT_NE(fgets(line, sizeof line, pipe), nullptr);
    pclose(pipe);
    EXPECT_STREQ(line, "size 7 6 bw\n");
}
