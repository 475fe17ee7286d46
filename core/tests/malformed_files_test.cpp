// The reader against damaged and hostile files: every case ends with a
// definite status, never hangs and never reads outside the data.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "TestSupport.h"
#include "core/PuzzleFile.h"

using gw::LoadStatus;
using gw::ReaderVariant;

namespace {

struct MalformedCase {
    const char* name;
    std::string data;
    LoadStatus maker;
    LoadStatus player;

    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }
};

// Random bytes without any digit: no header number can ever be read.
std::string junk(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::string s;
    while (s.size() < count) {
        const char c = static_cast<char>(random() & 0xFF);
        if (c < '0' || c > '9')
            s += c;
    }
    return s;
}

const LoadStatus Loaded = LoadStatus::Loaded;
const LoadStatus NotValid = LoadStatus::NotValid;
const LoadStatus ReadError = LoadStatus::ReadError;
const LoadStatus TooLarge = LoadStatus::TooLarge;

} // namespace

class MalformedFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFile, EndsWithDefiniteStatus)
{
    const MalformedCase& c = GetParam();
    for (ReaderVariant variant : {ReaderVariant::Maker, ReaderVariant::Player}) {
        SCOPED_TRACE(variant == ReaderVariant::Maker ? "maker" : "player");
        gw::Puzzle p;
        std::stringbuf data(c.data, std::ios::in);
        const gw::LoadResult r = gw::ReadPuzzle(p, data, "bad.pbm", variant);
        EXPECT_EQ(r.status, variant == ReaderVariant::Maker ? c.maker : c.player);
        // A failure always ends with exactly one critical message.
        if (!r.loaded()) {
            ASSERT_FALSE(r.messages.empty());
            EXPECT_EQ(r.messages.back().icon, gw::MessageIcon::Critical);
            if (r.status != TooLarge) {
                EXPECT_EQ(r.messages.back().title, "bad.pbm");
            }
        }
        // The state stays within its invariants whatever happened.
        EXPECT_GE(p.PuzzleWidth, 1);
        EXPECT_LE(p.PuzzleWidth, 50);
        EXPECT_GE(p.PuzzleHeight, 1);
        EXPECT_LE(p.PuzzleHeight, 50);
        for (std::uint8_t cell : p.Cells)
            ASSERT_LT(cell, gw::PaletteSize);
        EXPECT_FALSE(p.PuzzleChanged);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PuzzleFile, MalformedFile,
    ::testing::Values(
        MalformedCase{"Empty", "", NotValid, NotValid},
        MalformedCase{"OneByte", "P", NotValid, NotValid},
        MalformedCase{"LowerCaseMagic", "p4 1 1\n\x80", NotValid, NotValid},
        MalformedCase{"GreyMapMagic", "P5\n1 1\n255\n\x00", NotValid, NotValid},
        MalformedCase{"PamMagic", "P7\nWIDTH 1\n", NotValid, NotValid},
        MalformedCase{"MagicOnly", "P4", ReadError, ReadError},
        MalformedCase{"EndOfDataAfterWidth", "P4\n10", ReadError, ReadError},
        MalformedCase{"EndOfDataBeforeMaximum", "P6\n3 3\n", ReadError, ReadError},
        MalformedCase{"EndOfDataInCommentBeforeWidth", "P4\n# title without end", ReadError, ReadError},
        MalformedCase{"EndOfDataInCommentAfterHeight", "P1 2 2 # no pixels", ReadError, ReadError},
        MalformedCase{"EndOfDataInCommentBetweenPixels", "P1 2 1 1 # only one", ReadError, ReadError},
        MalformedCase{"TwentyDigitWidth", "P4\n99999999999999999999 2\n", ReadError, ReadError},
        MalformedCase{"TwentyDigitPixel", "P1 1 1 12345678901234567890\n", ReadError, ReadError},
        MalformedCase{"PlayerNumbersAre16Bit", "P1 1 1 40000\n", Loaded, ReadError},
        MalformedCase{"PlayerWidthOver16Bit", "P4 40000 1\n", ReadError, ReadError},
        MalformedCase{"WidthZero", "P4\n0 5\n", ReadError, ReadError},
        MalformedCase{"HeightZero", "P1\n5 0\n", ReadError, ReadError},
        MalformedCase{"ColourSizeZero", "P3 0 0 1\n", ReadError, ReadError},
        MalformedCase{"ShortP4Raster", "P4\n10 2\n\x80\x40\xff", ReadError, ReadError},
        MalformedCase{"ShortP6Raster", std::string("P6\n2 2\n1\n") + std::string(11, '\x01'), ReadError, ReadError},
        MalformedCase{"ShortP1Raster", "P1\n3 2\n1 0 1\n0 1\n", ReadError, ReadError},
        MalformedCase{"ShortP3Raster", "P3\n1 1\n1\n1 1\n", ReadError, ReadError},
        MalformedCase{"NoRasterAfterHeader", "P4 8 8\n", ReadError, ReadError},
        MalformedCase{"HugeSizeShortData", "P6 2147483647 2147483647 255\n" + std::string(100, 'x'), ReadError,
                      ReadError},
        MalformedCase{"TooLargeForPlayer", "P4 64 64\n" + std::string(8 * 64, '\0'), Loaded, TooLarge},
        MalformedCase{"JunkAfterMagic", "P4" + junk(64, 1), ReadError, ReadError},
        MalformedCase{"JunkOnly", junk(256, 2), NotValid, NotValid},
        MalformedCase{"ZeroBytes", std::string(32, '\0'), NotValid, NotValid},
        MalformedCase{"LastNumberEndsAtEndOfData", "P1 3 1 1 0 1", Loaded, Loaded},
        MalformedCase{"MaximumZero", "P3 1 1 0 5 5 5", Loaded, Loaded}),
    [](const auto& info) { return std::string(info.param.name); });

// Random data behind each magic: whatever the outcome, the reader stops and
// keeps the state valid.
TEST(MalformedFile, RandomDataNeverBreaksTheState)
{
    std::mt19937 random(20240607);
    const char* magics[] = {"P1", "P3", "P4", "P6"};
    for (int round = 0; round < 2000; ++round) {
        std::string data = magics[round % 4];
        const std::size_t length = random() % 200;
        for (std::size_t i = 0; i < length; ++i) {
            // Mostly digits and blanks, so that headers often parse.
            const unsigned pick = random() % 10;
            data += pick < 5 ? static_cast<char>('0' + random() % 10)
                  : pick < 8 ? ' '
                  : pick < 9 ? '#' : static_cast<char>(random() & 0xFF);
        }
        for (ReaderVariant variant : {ReaderVariant::Maker, ReaderVariant::Player}) {
            gw::Puzzle p;
            std::stringbuf in(data, std::ios::in);
            const gw::LoadResult r = gw::ReadPuzzle(p, in, "r.pbm", variant);
            ASSERT_NE(r.status, LoadStatus::NoFile) << data;
            ASSERT_GE(p.PuzzleWidth, 1) << data;
            ASSERT_LE(p.PuzzleWidth, 50) << data;
            ASSERT_GE(p.PuzzleHeight, 1) << data;
            ASSERT_LE(p.PuzzleHeight, 50) << data;
        }
    }
}
