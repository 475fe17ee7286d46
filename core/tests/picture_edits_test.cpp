// The maker's whole-picture edits on grids written as strings.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/PictureEdits.h"

namespace {

using Rows = std::vector<std::string>;

// `before` and `after` show a larger area than the `width` x `height` cells in
// use: cells outside are never touched, except that fitting the size moves the
// whole picture.
struct EditCase {
    const char* name;
    const char* steps; // F fit the size, N negative, L R U D shift one cell
    Rows before;
    int width, height;
    Rows after;
    int widthAfter, heightAfter;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

const std::string Dots48 = gwtest::repeat(".", 48);

const EditCase EditCases[] = {
    {"FitMovesThePictureToTheCorner",
     "F",
     {".....", "..#R.", "..B..", "....."},
     5,
     4,
     {"#R...", "B....", ".....", "....."},
     2,
     2},
    {"FitSeesCellsBeyondThoseInUse", "F", {"......", "......", ".....G"}, 3, 2, {"G.....", "......", "......"}, 1, 1},
    {"FitKeepsTheLastColumn",
     "F",
     {Dots48 + ".B", Dots48 + "..", ".#" + Dots48},
     50,
     3,
     {Dots48 + "B.", Dots48 + "..", "#." + Dots48},
     49,
     3},
    {"NegativeBlackAndWhite", "N", {"#.#R", ".#.."}, 3, 2, {".#.R", "#.#."}, 3, 2},
    {"NegativeColors", "N", {"RBYG", "MA#."}, 4, 2, {"AYBM", "GR.#"}, 4, 2},
    {"NegativeTwiceIsTheOriginal", "NN", {"RBYG", "MA#."}, 4, 2, {"RBYG", "MA#."}, 4, 2},
    {"ShiftLeft", "L", {"#R.#", ".B#.", "G..."}, 3, 3, {"R..#", "B#..", "...."}, 3, 3},
    {"ShiftRight", "R", {"#R.#", ".B#.", "G..."}, 3, 3, {".#R#", "..B.", ".G.."}, 3, 3},
    {"ShiftUp", "U", {"#R.#", ".B#.", "G..."}, 3, 3, {".B##", "G...", "...."}, 3, 3},
    {"ShiftDown", "D", {"#R.#", ".B#.", "G..."}, 3, 3, {"...#", "#R..", ".B#."}, 3, 3},
    {"LeftTwiceAndBackLosesTheLeftColumns", "LLRR", {"#RB.G", "Y.#.M"}, 5, 2, {"..B.G", "..#.M"}, 5, 2},
    {"LeftOnASingleColumnWhitensIt", "L", {"#", "R"}, 1, 2, {".", "."}, 1, 2},
};

// The cells of the top-left width x height area, whatever the size in use.
Rows areaRows(gw::Puzzle p, std::size_t width, std::size_t height)
{
    p.width = static_cast<std::int16_t>(width);
    p.height = static_cast<std::int16_t>(height);
    return gwtest::rowsOf(p);
}

class PictureEdit : public ::testing::TestWithParam<EditCase> { };

} // namespace

TEST_P(PictureEdit, ChangesTheCellsInUse)
{
    const EditCase& c = GetParam();
    gw::Puzzle p = gwtest::puzzleFromRows(c.before);
    gw::resizePuzzle(p, c.width, c.height);
    for (const char* step = c.steps; *step; ++step) {
        if (*step == 'F')
            EXPECT_TRUE(gw::fitSize(p));
        else if (*step == 'N')
            gw::makeNegative(p);
        else
            gw::shiftPicture(p, static_cast<gw::ShiftDirection>(std::string("LRUD").find(*step)));
    }
    EXPECT_EQ(areaRows(p, c.before[0].size(), c.before.size()), c.after);
    EXPECT_EQ(p.width, c.widthAfter);
    EXPECT_EQ(p.height, c.heightAfter);
}

INSTANTIATE_TEST_SUITE_P(Edits, PictureEdit, ::testing::ValuesIn(EditCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PictureEdits, FitOnAWhitePictureChangesNothing)
{
    gw::Puzzle p = gwtest::puzzleFromRows({"...", "..."});
    EXPECT_FALSE(gw::fitSize(p));
    EXPECT_EQ(gwtest::rowsOf(p), (Rows {"...", "..."}));
}

TEST(PictureEdits, ShrinkingAndGrowingBackShowsTheOldPicture)
{
    gw::Puzzle p = gwtest::puzzleFromRows({"#.R", "...", "..B"});
    gw::resizePuzzle(p, 1, 2);
    EXPECT_EQ(gwtest::rowsOf(p), (Rows {"#", "."}));
    gw::resizePuzzle(p, 3, 3);
    EXPECT_EQ(gwtest::rowsOf(p), (Rows {"#.R", "...", "..B"}));
}

TEST(PictureEdits, SizeBoxesAreCorrectedToOneToFifty)
{
    const std::pair<const char*, int> cases[] = {{"", 25},   {"x4", 25}, {"-3", 25},       {"0", 1},   {"75", 50},
                                                 {"007", 7}, {"4x", 4},  {"99999999", 50}, {" 12", 12}};
    for (const auto& [text, size] : cases)
        EXPECT_EQ(gw::correctedSize(text, 25), size) << '"' << text << '"';
}
