// The size and picture operations, the size fields' corrections and the
// grid's arithmetic, on the examples users meet.
#include <QTest>

#include "core/Palette.h"
#include "editor/PuzzleOps.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using gw::editor::testing::drawGrid;
using gw::editor::testing::gridRows;

class EditorOpsTest : public QObject {
    Q_OBJECT
private slots:
    void fitSizeMovesThePictureToTheCorner() {
        Puzzle p;
        drawGrid(p, QStringList(20, QString(20, QLatin1Char('.'))));
        for (int x = 5; x <= 9; ++x) {
            p.cell(x, 3) = Black;
            p.cell(x, 4) = x == 7 ? Red : Black;
        }
        QVERIFY(FitSize(p));
        QCOMPARE(p.PuzzleWidth, 5);
        QCOMPARE(p.PuzzleHeight, 2);
        QCOMPARE(gridRows(p), (QStringList{"#####", "##R##"}));
        QCOMPARE(p.cell(9, 3), White); // nothing left behind at the old place
    }

    void fitSizeKeepsContentOfTheLastColumn() {
        Puzzle p;
        drawGrid(p, QStringList(50, QString(50, QLatin1Char('.'))));
        p.cell(49, 10) = Blue;
        p.cell(1, 12) = Black;
        QVERIFY(FitSize(p));
        QCOMPARE(p.PuzzleWidth, 49);
        QCOMPARE(p.cell(48, 0), Blue);
        QCOMPARE(p.cell(0, 2), Black);
        QCOMPARE(p.PuzzleHeight, 3);
    }

    void fitSizeLooksBeyondTheCellsInUse() {
        Puzzle p;
        drawGrid(p, {"...", "..."});
        p.cell(30, 40) = Green; // hidden by an earlier shrink
        QVERIFY(FitSize(p));
        QCOMPARE(p.PuzzleWidth, 1);
        QCOMPARE(p.PuzzleHeight, 1);
        QCOMPARE(p.cell(0, 0), Green);
    }

    void fitSizeWithoutPictureChangesNothing() {
        Puzzle p;
        drawGrid(p, {"....", "...."});
        const Puzzle before = p;
        QVERIFY(!FitSize(p));
        QCOMPARE(p.PuzzleWidth, before.PuzzleWidth);
        QVERIFY(p.Cells == before.Cells);
    }

    void negativeSwapsComplementaryColours_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("black and white") << QStringList{"#.#", ".#."} << QStringList{".#.", "#.#"};
        QTest::newRow("colours") << QStringList{"RBYG", "MA#."} << QStringList{"AYBM", "GR.#"};
    }
    void negativeSwapsComplementaryColours() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        Puzzle p;
        drawGrid(p, before);
        MakeNegative(p);
        QCOMPARE(gridRows(p), after);
        QCOMPARE(p.cell(10, 10), White); // cells outside the puzzle are not touched
        MakeNegative(p);
        QCOMPARE(gridRows(p), before);
    }

    void shiftsMoveOneCell_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("left") << int(Shift::Left) << QStringList{"R..", "B#.", "..."};
        QTest::newRow("right") << int(Shift::Right) << QStringList{".#R", "..B", ".G."};
        QTest::newRow("up") << int(Shift::Up) << QStringList{".B#", "G..", "..."};
        QTest::newRow("down") << int(Shift::Down) << QStringList{"...", "#R.", ".B#"};
    }
    void shiftsMoveOneCell() {
        QFETCH(int, direction);
        QFETCH(QStringList, after);
        Puzzle p;
        drawGrid(p, {"#R.", ".B#", "G.."});
        p.cell(3, 0) = Black; // outside the puzzle: never moves in
        ShiftPicture(p, static_cast<Shift>(direction));
        QCOMPARE(gridRows(p), after);
        QCOMPARE(p.cell(3, 0), Black);
    }

    void shiftingLeftTwiceAndBackLosesTheLeftColumns() {
        Puzzle p;
        drawGrid(p, {"#RB.G", "Y.#.M"});
        for (Shift s : {Shift::Left, Shift::Left, Shift::Right, Shift::Right})
            ShiftPicture(p, s);
        QCOMPARE(gridRows(p), (QStringList{"..B.G", "..#.M"}));
    }

    void shiftOnASingleColumnWhitensIt() {
        Puzzle p;
        drawGrid(p, {"#", "R"});
        ShiftPicture(p, Shift::Left);
        QCOMPARE(gridRows(p), (QStringList{".", "."}));
    }

    void sizeFieldsAreCorrected_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("in range") << "17" << 17;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("too large") << "75" << 50;
        QTest::newRow("empty takes the current size") << "" << 12;
        QTest::newRow("not a number takes the current size") << "abc" << 12;
        QTest::newRow("whole-number part") << "7.9" << 7;
        QTest::newRow("endless digits") << "99999999999999999999" << 50;
        QTest::newRow("leading zeros") << "007" << 7;
    }
    void sizeFieldsAreCorrected() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(correctedSize(text.toStdString(), 12), expected);
    }

    void pointerPositionsRoundToCellsAtBorders_data() {
        QTest::addColumn<double>("pixel");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("cell");
        QTest::newRow("inside the first cell") << 5.0 << 16.0 << 0;
        QTest::newRow("just before a border") << 23.9 << 16.0 << 1;
        QTest::newRow("border of cells 0 and 1: halves to even") << 16.0 << 16.0 << 0;
        QTest::newRow("border of cells 1 and 2: halves to even") << 32.0 << 16.0 << 2;
        QTest::newRow("border of cells 2 and 3: halves to even") << 48.0 << 16.0 << 2;
        QTest::newRow("left of the grid") << -40.0 << 16.0 << 0;
        QTest::newRow("right of the grid") << 5000.0 << 16.0 << 24;
        QTest::newRow("fractional zoom") << 10.0 << 3.5 << 2;
    }
    void pointerPositionsRoundToCellsAtBorders() {
        QFETCH(double, pixel);
        QFETCH(double, zoom);
        QFETCH(int, cell);
        QCOMPARE(cellFromPixel(pixel, zoom, 25), cell);
    }

    void gridScale_data() {
        QTest::addColumn<double>("freeWidth");
        QTest::addColumn<double>("freeHeight");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("growsWide");
        QTest::addColumn<bool>("growsHigh");
        QTest::newRow("25x25 in 500x400") << 500.0 << 400.0 << 25 << 25 << 16.0 << false << false;
        QTest::newRow("50x1 scaled by width") << 500.0 << 400.0 << 50 << 1 << 10.0 << false << false;
        QTest::newRow("1x50 scaled by height") << 500.0 << 400.0 << 1 << 50 << 8.0 << false << false;
        QTest::newRow("fractional") << 100.0 << 400.0 << 30 << 30 << 100.0 / 30 << false << false;
        QTest::newRow("too narrow grows wide") << 100.0 << 400.0 << 50 << 50 << 3.0 << true << false;
        QTest::newRow("too low grows high") << 500.0 << 100.0 << 50 << 50 << 10.0 << false << true;
        QTest::newRow("no free width at all") << -20.0 << 400.0 << 10 << 10 << 3.0 << true << false;
    }
    void gridScale() {
        QFETCH(double, freeWidth);
        QFETCH(double, freeHeight);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, zoom);
        QFETCH(bool, growsWide);
        QFETCH(bool, growsHigh);
        const GridScale s = editor::gridScale(freeWidth, freeHeight, freeWidth + 137, freeHeight, width, height);
        QCOMPARE(s.zoom, zoom);
        QCOMPARE(s.growWidth > 0, growsWide);
        QCOMPARE(s.growHeight > 0, growsHigh);
        if (growsWide) // after growing, at least three pixels a cell fit across
            QVERIFY(freeWidth + s.growWidth >= 3.0 * width - 1e-9);
    }

    void gridIsOnePixelLargerThanItsCells() {
        QCOMPARE(gridExtent(25, 16.0), 401);
        QCOMPARE(gridExtent(30, 100.0 / 30), 101);
        const CellEdges e = cellEdges(2, 16.0);
        QCOMPARE(e.first, 32);
        QCOMPARE(e.last, 48);
        QCOMPARE(cellEdges(3, 16.0).first, e.last); // neighbours share their outline
    }
};

QTEST_MAIN(EditorOpsTest)
#include "editor_ops_test.moc"
