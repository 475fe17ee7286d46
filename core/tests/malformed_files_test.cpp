// The reader against damaged and hostile files: every case ends with a
// definite status and keeps the state valid. (Random data: fuzz/fuzz_reader.)
#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "core/PuzzleFile.h"

using gw::LoadStatus;

namespace {

struct MalformedCase {
    const char* name;
    std::string data;
    LoadStatus maker, player;
};

// Every byte value but the digits: no header number can ever be read.
const std::string Junk = [] {
    std::string s;
    for (int b = 255; b >= 0; --b)
        if (b < '0' || b > '9')
            s += static_cast<char>(b);
    return s;
}();

const LoadStatus Loaded = LoadStatus::Loaded, NotValid = LoadStatus::NotValid, ReadError = LoadStatus::ReadError,
                 TooLarge = LoadStatus::TooLarge;

class MalformedFile : public ::testing::TestWithParam<MalformedCase> { };

} // namespace

TEST_P(MalformedFile, EndsWithDefiniteStatus)
{
    const MalformedCase& c = GetParam();
    for (gw::ReaderVariant variant : {gw::ReaderVariant::Maker, gw::ReaderVariant::Player}) {
        const bool maker = variant == gw::ReaderVariant::Maker;
        SCOPED_TRACE(maker ? "maker" : "player");
        gw::Puzzle p;
        std::stringbuf data(c.data, std::ios::in);
        const gw::LoadResult r = gw::readPuzzleData(p, data, "bad.pbm", variant);
        EXPECT_EQ(r.status, maker ? c.maker : c.player);
        if (!r.loaded()) { // a failure always ends with a critical message
            ASSERT_FALSE(r.messages.empty());
            EXPECT_EQ(r.messages.back().icon, gw::MessageIcon::Critical);
            if (r.status != TooLarge) {
                EXPECT_EQ(r.messages.back().title, "bad.pbm");
            }
        }
        for (int side : {p.width, p.height})
            EXPECT_TRUE(side >= 1 && side <= 50) << side;
        for (std::uint8_t cell : p.cells)
            ASSERT_LT(cell, gw::PaletteSize);
        EXPECT_FALSE(p.changed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PuzzleFile, MalformedFile,
    ::testing::Values(MalformedCase {"Empty", "", NotValid, NotValid},
                      MalformedCase {"OneByte", "P", NotValid, NotValid},
                      MalformedCase {"LowerCaseMagic", "p4 1 1\n\x80", NotValid, NotValid},
                      MalformedCase {"EndOfDataAfterWidth", "P4\n10", ReadError, ReadError},
                      MalformedCase {"EndOfDataInCommentBeforeWidth", "P4\n# title without end", ReadError, ReadError},
                      MalformedCase {"EndOfDataInCommentBetweenPixels", "P1 2 1 1 # only one", ReadError, ReadError},
                      MalformedCase {"TwentyDigitWidth", "P4\n99999999999999999999 2\n", ReadError, ReadError},
                      MalformedCase {"TwentyDigitPixel", "P1 1 1 12345678901234567890\n", ReadError, ReadError},
                      MalformedCase {"PlayerNumbersAre16Bit", "P1 1 1 40000\n", Loaded, ReadError},
                      MalformedCase {"WidthZero", "P4\n0 5\n", ReadError, ReadError},
                      MalformedCase {"ColorSizeZero", "P3 0 0 1\n", ReadError, ReadError},
                      MalformedCase {"ShortP4Raster", "P4\n10 2\n\x80\x40\xff", ReadError, ReadError},
                      MalformedCase {"ShortP6Raster", "P6\n2 2\n1\n" + std::string(11, '\x01'), ReadError, ReadError},
                      MalformedCase {"HugeSizeShortData", "P6 2147483647 2147483647 255\n" + std::string(100, 'x'),
                                     ReadError, ReadError},
                      MalformedCase {"TooLargeForPlayer", "P4 64 64\n" + std::string(8 * 64, '\0'), Loaded, TooLarge},
                      MalformedCase {"JunkAfterMagic", "P4" + Junk, ReadError, ReadError},
                      MalformedCase {"JunkOnly", Junk, NotValid, NotValid},
                      MalformedCase {"MaximumZero", "P3 1 1 0 5 5 5", Loaded, Loaded}),
    [](const auto& row) { return std::string(row.param.name); });
