#include <gtest/gtest.h>

#include <string>

#include "core/Clues.h"
#include "core/Palette.h"
#include "TestSupport.h"

using gwtest::puzzleFromRows;

TEST(TelHokjes, ColourChangeStartsANewRunWithoutWhite)
{
    const gw::Puzzle p = puzzleFromRows({".##R.RR"});
    gw::ClueTables c;
    gw::DerivePlayerClues(p, c);
    ASSERT_EQ(c.RowClueCount[0], 3);
    EXPECT_EQ(c.rowLength(0, 0), 2);
    EXPECT_EQ(c.rowColor(0, 0), gw::Black);
    EXPECT_EQ(c.rowLength(0, 1), 1);
    EXPECT_EQ(c.rowColor(0, 1), gw::Red);
    EXPECT_EQ(c.rowLength(0, 2), 2);
    EXPECT_EQ(c.rowColor(0, 2), gw::Red);
    EXPECT_EQ(c.RowRunSameColor[gw::ClueTables::at(0, 0)], 0);
    EXPECT_EQ(c.RowRunSameColor[gw::ClueTables::at(0, 1)], 0);
    EXPECT_EQ(c.RowRunSameColor[gw::ClueTables::at(0, 2)], 1);
    EXPECT_EQ(c.rowLength(0, 3), 0);
    EXPECT_EQ(c.rowColor(0, 3), gw::White);
}

TEST(TelHokjes, EmptyLinesHoldABlackZeroAndMaximaAreAtLeastOne)
{
    const gw::Puzzle p = puzzleFromRows({"...", "..."});
    gw::ClueTables c;
    gw::TelHokjes(p, c);
    EXPECT_EQ(c.ColumnClueCount[1], 0);
    EXPECT_EQ(c.columnLength(1, 0), 0);
    EXPECT_EQ(c.columnColor(1, 0), gw::Black);
    EXPECT_EQ(c.MaxRowClues, 1);
    EXPECT_EQ(c.MaxColumnClues, 1);
}

TEST(TelHokjes, FiftyAlternatingRunsAndEdgeRunsCountedOnce)
{
    gw::Puzzle p;
    p.PuzzleWidth = 50;
    p.PuzzleHeight = 2;
    for (int x = 0; x < 50; ++x) {
        p.cell(x, 0) = (x % 2) ? gw::Red : gw::Black;
        p.cell(x, 1) = x >= 47 ? gw::Black : gw::White;
    }
    gw::ClueTables c;
    gw::TelHokjes(p, c);
    EXPECT_EQ(c.RowClueCount[0], 50);
    EXPECT_EQ(c.rowLength(0, 49), 1);
    EXPECT_EQ(c.rowColor(0, 49), gw::Red);
    EXPECT_EQ(c.MaxRowClues, 50);
    EXPECT_EQ(c.RowClueCount[1], 1);
    EXPECT_EQ(c.rowLength(1, 0), 3);
    EXPECT_EQ(c.ColumnClueCount[49], 2); // red on top of black: two runs touching the bottom edge
}

TEST(TelHokjes, CellsOutsideThePuzzleNeverCount)
{
    gw::Puzzle p = puzzleFromRows({"#.", ".#"});
    p.cell(5, 0) = gw::Black;
    p.cell(0, 7) = gw::Black;
    gw::ClueTables c;
    gw::TelHokjes(p, c);
    EXPECT_EQ(c.RowClueCount[0], 1);
    EXPECT_EQ(c.ColumnClueCount[0], 1);
    EXPECT_EQ(c.ColumnClueCount[5], 0);
    EXPECT_EQ(c.columnColor(5, 0), gw::White); // beyond the puzzle: untouched slot
    EXPECT_EQ(c.RowClueCount[7], 0);
}
