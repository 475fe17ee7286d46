// gridwick-cli picture: the same cells as the maker's Import Image, and the
// choices the command adds (size, colours, threshold, background, invert).
#include <gtest/gtest.h>

#include <QImage>

#include <random>
#include <sstream>

#include "core/PuzzleFile.h"
#include "core/tests/TestSupport.h"
#include "editor/ImageImport.h"
#include "tools/PictureCommand.h"

namespace {

using gw::Puzzle;
using gw::editor::PictureChoices;

// A picture of `width` x `height` in one of a few kinds: blocks of a few
// colours, a gradient, noise, or a photo-like blend; `seed` picks the colours.
QImage generatedPicture(int width, int height, int kind, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> channel(0, 255);
    QImage picture(width, height, QImage::Format_RGB32);
    const QRgb a = qRgb(channel(random), channel(random), channel(random));
    const QRgb b = qRgb(channel(random), channel(random), channel(random));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            QRgb color = 0;
            switch (kind % 4) {
            case 0: // blocks
                color = ((x * 5 / width) + (y * 3 / height)) % 2 ? a : b;
                break;
            case 1: // horizontal gradient between two colours
                color = qRgb(qRed(a) + (qRed(b) - qRed(a)) * x / width, qGreen(a) + (qGreen(b) - qGreen(a)) * x / width,
                             qBlue(a) + (qBlue(b) - qBlue(a)) * x / width);
                break;
            case 2: // noise
                color = qRgb(channel(random), channel(random), channel(random));
                break;
            default: // a disc on a background
                color = (x - width / 2) * (x - width / 2) + (y - height / 2) * (y - height / 2) < width * height / 8
                            ? a
                            : qRgb(0, 0, 0);
            }
            picture.setPixel(x, y, color);
        }
    }
    return picture;
}

class PictureCommand : public ::testing::Test {
protected:
    // Runs gridwick-cli picture IN OUT with `options` as the program does;
    // the exit code, with `err` holding the error output.
    int run(const std::string& in, const std::string& out, gw::cli::Arguments options = {})
    {
        gw::cli::Arguments words {"picture", in, out};
        words.insert(words.end(), options.begin(), options.end());
        std::ostringstream o, e;
        const int code = gw::cli::runCommandLine(words, o, e, {{"picture", gw::cli::runPicture}});
        err = e.str();
        return code;
    }
    // The puzzle the maker makes of `path` with `choices`.
    Puzzle imported(const std::string& path, const PictureChoices& choices = {})
    {
        Puzzle p;
        EXPECT_EQ(gw::editor::importImage(p, QString::fromStdString(path), gw::Language::English, choices).status,
                  gw::editor::ImportStatus::Imported);
        return p;
    }
    Puzzle saved(const std::string& path)
    {
        Puzzle p;
        EXPECT_TRUE(gw::readPuzzleFile(p, path, gw::ReaderVariant::Maker).loaded()) << path;
        return p;
    }
    gwtest::TempDir dir;
    std::string err;
};

// Thirty pictures of assorted sizes (below, at and above 50 a side), kinds and
// formats: without options the command's puzzle is the maker's import.
TEST_F(PictureCommand, withoutOptionsGivesTheMakersImportCells)
{
    const QSize sizes[] = {{1, 1},    {7, 3},   {50, 50},   {51, 1}, {640, 480},
                           {33, 120}, {20, 50}, {100, 100}, {3, 77}, {64, 48}};
    const char* formats[] = {"png", "bmp", "jpg"};
    int checked = 0;
    for (int i = 0; i < 30; ++i) {
        const QSize size = sizes[i % 10];
        const std::string in = dir.path() + "picture" + std::to_string(i) + "." + formats[i % 3];
        ASSERT_TRUE(
            generatedPicture(size.width(), size.height(), i, static_cast<unsigned>(i)).save(QString::fromStdString(in)))
            << in;
        const std::string out = dir.path() + "out" + std::to_string(i) + ".ppm";
        ASSERT_EQ(run(in, out), 0) << in << err;
        const Puzzle maker = imported(in);
        const Puzzle cli = saved(out);
        EXPECT_EQ(gwtest::rowsOf(cli), gwtest::rowsOf(maker)) << in;
        ++checked;
    }
    EXPECT_EQ(checked, 30);
}

// A 640 x 480 photo at 30 x 20 in 3 colours: that size, at most three
// colours, the cells the maker makes with the same choices.
TEST_F(PictureCommand, sizeAndColoursGiveTheChosenPuzzle)
{
    const std::string in = dir.path() + "photo.jpg";
    ASSERT_TRUE(generatedPicture(640, 480, 1, 5).save(QString::fromStdString(in)));
    const std::string out = dir.path() + "photo.ppm";
    ASSERT_EQ(run(in, out, {"--size", "30x20", "--colors", "3"}), 0) << err;
    const Puzzle cli = saved(out);
    EXPECT_EQ(cli.width, 30);
    EXPECT_EQ(cli.height, 20);
    std::set<std::uint8_t> used;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            used.insert(cli.cell(x, y));
    EXPECT_LE(used.size(), 3u);
    PictureChoices choices;
    choices.size = QSize(30, 20);
    choices.colors = 3;
    EXPECT_EQ(gwtest::rowsOf(cli), gwtest::rowsOf(imported(in, choices)));
}

// Four greys in two rows: threshold, invert and the background choice.
TEST_F(PictureCommand, thresholdInvertAndBackground)
{
    QImage picture(4, 2, QImage::Format_RGB32);
    const QRgb row[] = {qRgb(0, 0, 0), qRgb(90, 90, 90), qRgb(170, 170, 170), qRgb(255, 255, 255)};
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 0, row[x]);
        picture.setPixel(x, 1, row[3 - x]);
    }
    const std::string in = dir.path() + "grey.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(in)));
    const std::string out = dir.path() + "grey.pbm";
    const struct {
        gw::cli::Arguments options;
        std::vector<std::string> rows;
    } cases[] = {
        {{"--threshold", "128"}, {"##..", "..##"}},
        {{"--threshold", "60"}, {"#...", "...#"}},
        {{"--threshold", "200"}, {"###.", ".###"}},
        {{"--threshold", "128", "--invert"}, {"..##", "##.."}},
        {{"--colors", "2", "--background", "000000"}, {"..##", "##.."}},
        {{"--colors", "2", "--background", "#FFFFFF"}, {"##..", "..##"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(run(in, out, c.options), 0) << err;
        EXPECT_EQ(gwtest::rowsOf(saved(out)), c.rows) << c.options[0] << ' ' << c.options[1];
    }
}

TEST_F(PictureCommand, wrongOptionsAreUsageErrors)
{
    const std::string in = dir.path() + "p.png";
    ASSERT_TRUE(generatedPicture(5, 5, 0, 1).save(QString::fromStdString(in)));
    const std::string out = dir.path() + "p.ppm";
    const gw::cli::Arguments wrong[] = {
        {"--size", "0x5"},         {"--size", "51x5"},
        {"--size", "10"},          {"--colors", "1"},
        {"--colors", "9"},         {"--threshold", "0"},
        {"--threshold", "256"},    {"--background", "red"},
        {"--background", "12345"}, {"--colors", "3", "--threshold", "9"},
    };
    for (const auto& options : wrong)
        EXPECT_EQ(run(in, out, options), 2) << options[0] << ' ' << options[1];
    EXPECT_EQ(run(in, dir.path() + "p.png"), 2);
    EXPECT_EQ(run(dir.path() + "none.png", out), 1);
    EXPECT_NE(err.find("error:"), std::string::npos);
    // Without the added command (a build without Qt) the command says so.
    std::ostringstream o, e;
    EXPECT_EQ(gw::cli::runCommandLine({"picture", in, out}, o, e), 1);
    EXPECT_NE(e.str().find("not in this build"), std::string::npos);
}

// Dithering a mid grey in black and white gives a mix near half and half;
// without it every cell is the same.
TEST(PictureConversion, ditheringMixesShades)
{
    QImage grey(20, 10, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    PictureChoices choices;
    choices.colors = 2;
    choices.threshold = 100;
    Puzzle p;
    gw::editor::convertPixels(p, grey, choices);
    EXPECT_EQ(gwtest::rowsOf(p), std::vector<std::string>(10, std::string(20, '.')));
    choices.dither = true;
    gw::editor::convertPixels(p, grey, choices);
    int black = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            black += p.cell(x, y) == gw::Black ? 1 : 0;
    EXPECT_GT(black, 80);
    EXPECT_LT(black, 120);
}

// Colours 3..8 keep white and the colours nearest to the most pixels.
TEST(PictureConversion, coloursKeepTheMostUsed)
{
    QImage picture(6, 1, QImage::Format_RGB32);
    const QRgb pixels[] = {qRgb(250, 10, 10), qRgb(240, 0, 20), qRgb(0, 0, 230),
                           qRgb(10, 20, 250), qRgb(0, 250, 40), qRgb(255, 255, 255)};
    for (int x = 0; x < 6; ++x)
        picture.setPixel(x, 0, pixels[x]);
    PictureChoices choices;
    choices.colors = 3;
    Puzzle p;
    gw::editor::convertPixels(p, picture, choices);
    EXPECT_EQ(gwtest::rowsOf(p), std::vector<std::string> {"RRBBB."}); // the green nearer to blue than to red
    EXPECT_TRUE(p.isColor);
    choices.colors = 4;
    gw::editor::convertPixels(p, picture, choices);
    EXPECT_EQ(gwtest::rowsOf(p), std::vector<std::string> {"RRBBG."});
}

} // namespace
