#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/DrawingShapes.h"

namespace {

using gw::CellPoint;
using Rows = std::vector<std::string>;

// `cells` marked "#" on a white field of `width` x `height`; a cell listed
// twice shows as "2".
Rows picture(const std::vector<CellPoint>& cells, int width, int height)
{
    Rows rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '.'));
    for (const CellPoint& c : cells) {
        char& mark = rows[static_cast<std::size_t>(c.y)][static_cast<std::size_t>(c.x)];
        mark = mark == '.' ? '#' : '2';
    }
    return rows;
}

struct LineCase {
    const char* name;
    CellPoint from, to;
    const char* rows; // the line on a 12 x 6 field, rows separated by '/'
};

class LineCells : public testing::TestWithParam<LineCase> { };

TEST_P(LineCells, MarksTheStraightLineBetweenItsEnds)
{
    const LineCase& c = GetParam();
    const std::vector<CellPoint> cells = gw::lineCells(c.from, c.to);
    EXPECT_EQ(picture(cells, 12, 6), gwtest::splitRows(c.rows));
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.front(), c.from);
    EXPECT_EQ(cells.back(), c.to);
    for (std::size_t i = 1; i < cells.size(); ++i) // each step goes to a neighbour
        EXPECT_LE(std::max(std::abs(cells[i].x - cells[i - 1].x), std::abs(cells[i].y - cells[i - 1].y)), 1);
}

// In each column the line takes the row nearest to the ideal line: from
// (1, 1) to (10, 4) y = 1 + (x - 1) / 3.
const LineCase lineCases[] = {
    {"OneToTenFour", {1, 1}, {10, 4}, "............/.##........./...###....../......###.../.........##./............"},
    {"BackwardsTheSameCells",
     {10, 4},
     {1, 1},
     "............/.##........./...###....../......###.../.........##./............"},
    {"Steep", {2, 0}, {4, 5}, "..#........./..#........./...#......../...#......../....#......./....#......."},
    {"Diagonal", {0, 5}, {5, 0}, ".....#....../....#......./...#......../..#........./.#........../#..........."},
    {"Horizontal", {3, 2}, {8, 2}, "............/............/...######.../............/............/............"},
    {"OneCell", {6, 3}, {6, 3}, "............/............/............/......#...../............/............"},
};
INSTANTIATE_TEST_SUITE_P(Shapes, LineCells, testing::ValuesIn(lineCases),
                         [](const testing::TestParamInfo<LineCase>& row) { return row.param.name; });

TEST(RectangleCells, OutlineOrWholeAreaWithCornersInAnyOrder)
{
    const Rows outline = gwtest::splitRows("......./.#####./.#...#./.#####./.......");
    const Rows filled = gwtest::splitRows("......./.#####./.#####./.#####./.......");
    for (const auto& [a, b] : {std::pair<CellPoint, CellPoint> {{1, 1}, {5, 3}}, {{5, 3}, {1, 1}}, {{1, 3}, {5, 1}}}) {
        EXPECT_EQ(picture(gw::rectangleCells(a, b, false), 7, 5), outline);
        EXPECT_EQ(picture(gw::rectangleCells(a, b, true), 7, 5), filled);
    }
    EXPECT_EQ(picture(gw::rectangleCells({2, 1}, {2, 3}, false), 4, 4), gwtest::splitRows("..../..#./..#./..#."));
}

struct FillCase {
    const char* name;
    const char* puzzle;
    CellPoint start;
    const char* filled;
};

class FloodFillCells : public testing::TestWithParam<FillCase> { };

TEST_P(FloodFillCells, CoversTheConnectedAreaOfOneColour)
{
    const FillCase& c = GetParam();
    const gw::Puzzle puzzle = gwtest::puzzleFromRows(gwtest::splitRows(c.puzzle), true);
    EXPECT_EQ(picture(gw::floodFillCells(puzzle, c.start), puzzle.width, puzzle.height), gwtest::splitRows(c.filled));
}

const FillCase fillCases[] = {
    {"InsideAnOutline", "######/#....#/#.##.#/#....#/######", {1, 1}, "....../.####./.#..#./.####./......"},
    {"StopsAtOtherColours", "..R.../..R.../RRR...", {0, 0}, "##..../##..../......"},
    {"NotThroughCorners", ".#..../#...../......", {0, 0}, "#...../....../......"},
    {"TheBorderItself", "######/#....#/######", {0, 0}, "######/#....#/######"},
    {"OneColourEverywhere", "...../.....", {4, 1}, "#####/#####"},
    {"OutsideTheCellsInUse", "...", {3, 0}, "..."},
};
INSTANTIATE_TEST_SUITE_P(Shapes, FloodFillCells, testing::ValuesIn(fillCases),
                         [](const testing::TestParamInfo<FillCase>& row) { return row.param.name; });

} // namespace
