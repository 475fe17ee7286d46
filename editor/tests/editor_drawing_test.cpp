// Drawing with the mouse: which cell a pointer position hits, painting and
// dragging, the middle button, the status and position texts, and choosing
// the buttons' colours on the strip.
#include <QTest>

#include "core/Palette.h"
#include "editor/ColorChooser.h"
#include "editor/GridView.h"
#include "editor/PreviewView.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {
// A window whose free area gives a 25 x 25 puzzle 16 pixels a cell.
void makeZoom16(Maker& maker) {
    maker.setFreeArea(QSize(500, 400));
    QCOMPARE(maker.form->GridZoom(), 16.0);
}
} // namespace

class EditorDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    void pressPaintsTheCellUnderThePointer_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("middle of cell 3,5") << QPoint(2 * 16 + 8, 4 * 16 + 8) << QPoint(2, 4);
        QTest::newRow("just left of a border") << QPoint(31, 5) << QPoint(1, 0);
        QTest::newRow("on the border of cells 0 and 1: to even") << QPoint(16, 16) << QPoint(0, 0);
        QTest::newRow("on the border of cells 1 and 2: to even") << QPoint(32, 32) << QPoint(2, 2);
        QTest::newRow("on the border of cells 2 and 3: to even") << QPoint(48, 48) << QPoint(2, 2);
        QTest::newRow("closing outline") << QPoint(400, 400) << QPoint(24, 24);
    }
    void pressPaintsTheCellUnderThePointer() {
        QFETCH(QPoint, pixel);
        QFETCH(QPoint, cell);
        Maker maker;
        makeZoom16(maker);
        QTest::mouseClick(&maker.form->grid(), Qt::LeftButton, {}, pixel);
        QCOMPARE(maker.puzzle.cell(cell.x(), cell.y()), Black);
        int painted = 0;
        for (auto c : maker.puzzle.Cells)
            painted += c == Black;
        QCOMPARE(painted, 1);
        QCOMPARE(maker.form->statusText(),
                 QStringLiteral("Cell <%1, %2> is now black.").arg(cell.x() + 1).arg(cell.y() + 1));
        QCOMPARE(maker.form->positionText(), QStringLiteral(" %1, %2").arg(cell.x() + 1).arg(cell.y() + 1));
        QVERIFY(maker.puzzle.PuzzleChanged);
        const QPoint middle(int((cell.x() + 0.5) * 16), int((cell.y() + 0.5) * 16));
        QCOMPARE(maker.form->grid().colorAt(middle), QColor(Qt::black));
        QCOMPARE(maker.form->preview().picture().pixelColor(cell), QColor(Qt::black));
    }

    void pressingAgainChangesNothing() {
        Maker maker;
        makeZoom16(maker);
        QTest::mouseClick(&maker.form->grid(), Qt::LeftButton, {}, QPoint(40, 72));
        maker.form->setStatus("kept");
        QTest::mouseClick(&maker.form->grid(), Qt::LeftButton, {}, QPoint(40, 72));
        QCOMPARE(maker.form->statusText(), QStringLiteral("kept"));
    }

    void rightButtonPaintsWithItsColour() {
        Maker maker;
        makeZoom16(maker);
        maker.form->drawCell(1, 3, 3);
        QTest::mouseClick(&maker.form->grid(), Qt::RightButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        QCOMPARE(maker.puzzle.cell(3, 3), White);
        QCOMPARE(maker.form->statusText(), QStringLiteral("Cell <4, 4> is now white."));
    }

    void draggingPastTheEdgeKeepsPaintingTheLastColumn() {
        Maker maker;
        makeZoom16(maker);
        GridView& grid = maker.form->grid();
        QTest::mousePress(&grid, Qt::LeftButton, {}, QPoint(22 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(23 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(24 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(600, 1 * 16 + 8));  // beyond the right edge
        QTest::mouseMove(&grid, QPoint(900, 3 * 16 + 8));
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, QPoint(900, 3 * 16 + 8));
        QCOMPARE(gridRows(maker.puzzle).mid(0, 4),
                 (QStringList{QString(22, '.') + "###", QString(24, '.') + "#", QString(25, '.'),
                              QString(24, '.') + "#"}));
    }

    void middleButtonOnlyShowsThePosition() {
        Maker maker;
        makeZoom16(maker);
        QTest::mouseClick(&maker.form->grid(), Qt::MiddleButton, {}, QPoint(5 * 16 + 8, 6 * 16 + 8));
        QCOMPARE(maker.form->positionText(), QStringLiteral(" 6, 7"));
        QVERIFY(!maker.puzzle.PuzzleChanged);
        QCOMPARE(maker.form->statusText(),
                 QStringLiteral("Welcome to Gridwick Puzzle Maker, the program to create Japanese Puzzles."));
    }

    void statusNamesTheColourInTheLanguage() {
        Maker maker(2);
        maker.form->NieuwePuzzel(10, 10, true);
        maker.form->chooser().choose(1, Aqua);
        maker.form->drawCell(1, 2, 4);
        QCOMPARE(maker.form->statusText(), QString::fromUtf8("La casella <3, 5> \u00e8 ora c\u00ecano."));
    }

    // ---- the colour strip ---------------------------------------------------------------
    void stripGivesEachButtonItsSwatch() {
        Maker maker;
        maker.form->NieuwePuzzel(10, 10, true);
        ColorChooser& chooser = maker.form->chooser();
        ColorStrip& strip = chooser.strip();
        const int sw = strip.swatchSize();
        QCOMPARE(strip.height(), 8 * sw);
        QTest::mouseClick(&strip, Qt::RightButton, {}, QPoint(sw / 2, 2 * sw)); // on the border: swatch 2
        QCOMPARE(maker.puzzle.ButtonColor[1], Red);
        QCOMPARE(chooser.markerY(2), strip.y() + int(2.5 * sw));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(sw / 2, 5 * sw + 3));
        QCOMPARE(maker.puzzle.ButtonColor[0], Green);
        maker.form->drawCell(2, 0, 0);
        QCOMPARE(maker.puzzle.cell(0, 0), Red);
    }

    void draggingAlongTheStripMovesTheChoice() {
        Maker maker;
        maker.form->NieuwePuzzel(10, 10, true);
        ColorStrip& strip = maker.form->chooser().strip();
        const int sw = strip.swatchSize();
        QTest::mousePress(&strip, Qt::RightButton, {}, QPoint(sw / 2, sw + sw / 2));
        QTest::mouseMove(&strip, QPoint(sw / 2, 3 * sw));
        QTest::mouseMove(&strip, QPoint(sw / 2, 4 * sw + sw / 2));
        QTest::mouseRelease(&strip, Qt::RightButton, {}, QPoint(sw / 2, 4 * sw + sw / 2));
        QCOMPARE(maker.puzzle.ButtonColor[1], Yellow);
        QCOMPARE(maker.form->chooser().markerY(2), strip.y() + int(4.5 * sw));
    }

    void blackAndWhiteStripOffersTwoSwatches() {
        Maker maker;
        ColorChooser& chooser = maker.form->chooser();
        const int sw = chooser.strip().swatchSize();
        QCOMPARE(chooser.strip().height(), 2 * sw);
        chooser.press(1, 2 * sw + 1); // below the visible swatches
        chooser.press(1, -1);
        QCOMPARE(maker.puzzle.ButtonColor[0], Black);
        chooser.press(3, sw / 2.0); // both buttons held
        QCOMPARE(maker.puzzle.ButtonColor[0], Black);
        QCOMPARE(maker.puzzle.ButtonColor[1], White);
    }
};

QTEST_MAIN(EditorDrawingTest)
#include "editor_drawing_test.moc"
