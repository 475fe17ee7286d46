// Changing the picture: drawing with the mouse, choosing the buttons' colours
// on the strip, the size dialog, the picture commands of the Edit menu, and
// the grid's layout in the window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "core/Palette.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "editor/PreviewView.h"
#include "editor/SizeDialog.h"
#include "editor/tests/EditorTestKit.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

class EditorDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // ---- drawing ------------------------------------------------------------------
    void pressPaintsTheCellUnderThePointer_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("middle of cell 3,5") << QPoint(2 * 16 + 8, 4 * 16 + 8) << QPoint(2, 4);
        QTest::newRow("just left of a border") << QPoint(31, 5) << QPoint(1, 0);
        QTest::newRow("on the border of cells 0 and 1: to even") << QPoint(16, 16) << QPoint(0, 0);
        QTest::newRow("on the border of cells 1 and 2: to even") << QPoint(32, 32) << QPoint(2, 2);
        QTest::newRow("on the border of cells 2 and 3: to even") << QPoint(48, 48) << QPoint(2, 2);
        QTest::newRow("closing outline") << QPoint(400, 400) << QPoint(24, 24);
    }
    void pressPaintsTheCellUnderThePointer()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QPoint, cell);
        Maker maker;
        maker.makeZoom16();
        QTest::mouseClick(&maker.window->grid(), Qt::LeftButton, {}, pixel);
        QCOMPARE(maker.puzzle.cell(cell.x(), cell.y()), Black);
        QCOMPARE(int(std::count(maker.puzzle.cells.begin(), maker.puzzle.cells.end(), Black)), 1);
        QCOMPARE(maker.window->statusText(),
                 QStringLiteral("Cell <%1, %2> is now black.").arg(cell.x() + 1).arg(cell.y() + 1));
        QCOMPARE(maker.window->positionText(), QStringLiteral(" %1, %2").arg(cell.x() + 1).arg(cell.y() + 1));
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(maker.window->grid().colorAt(cell * 16 + QPoint(8, 8)), QColor(Qt::black));
        QCOMPARE(maker.window->preview().picture().pixelColor(cell), QColor(Qt::black));
    }

    void middleButtonPressingAgainAndRightButton()
    {
        Maker maker;
        maker.makeZoom16();
        GridView& grid = maker.window->grid();
        QTest::mouseClick(&grid, Qt::MiddleButton, {}, QPoint(5 * 16 + 8, 6 * 16 + 8));
        QCOMPARE(maker.window->positionText(), QStringLiteral(" 6, 7")); // the middle button only shows where
        QVERIFY(!maker.puzzle.changed);
        QCOMPARE(maker.window->statusText(), Welcome);
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        maker.window->setStatus("kept");
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        QCOMPARE(maker.window->statusText(), QStringLiteral("kept")); // the cell had that colour already
        QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        QCOMPARE(maker.puzzle.cell(3, 3), White);
        QCOMPARE(maker.window->statusText(), QStringLiteral("Cell <4, 4> is now white."));
    }

    void draggingPastTheEdgeKeepsPaintingTheLastColumn()
    {
        Maker maker;
        maker.makeZoom16();
        GridView& grid = maker.window->grid();
        QTest::mousePress(&grid, Qt::LeftButton, {}, QPoint(22 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(23 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(24 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(600, 1 * 16 + 8)); // beyond the right edge
        QTest::mouseMove(&grid, QPoint(900, 3 * 16 + 8));
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, QPoint(900, 3 * 16 + 8));
        QCOMPARE(gridRows(maker.puzzle).mid(0, 4), (QStringList {QString(22, '.') + "###", QString(24, '.') + "#",
                                                                 QString(25, '.'), QString(24, '.') + "#"}));
    }

    void statusNamesTheColorInTheLanguage()
    {
        Maker maker(2);
        maker.window->newPuzzle(10, 10, true);
        maker.window->chooser().choose(1, Aqua);
        maker.window->drawCell(1, 2, 4);
        QCOMPARE(maker.window->statusText(), QString::fromUtf8("La casella <3, 5> \u00e8 ora c\u00ecano."));
    }

    // ---- the colour strip (presses beside the swatches and drags: playfield_test) --------
    void stripGivesEachButtonItsSwatch()
    {
        Maker maker;
        ColorChooser& chooser = maker.window->chooser();
        QWidget& strip = chooser.strip();
        const int sw = chooser.swatchWidth();
        QCOMPARE(strip.height(), 2 * sw); // black and white only
        chooser.press(3, sw / 2.0);       // both buttons held
        QCOMPARE(maker.session.buttonColor[0], Black);
        QCOMPARE(maker.session.buttonColor[1], White);

        maker.window->newPuzzle(10, 10, true);
        QCOMPARE(strip.height(), 8 * sw);
        QTest::mouseClick(&strip, Qt::RightButton, {}, QPoint(sw / 2, 2 * sw)); // on the border: swatch 2
        QCOMPARE(maker.session.buttonColor[1], Red);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(sw / 2, 5 * sw + 3));
        QCOMPARE(maker.session.buttonColor[0], Green);
        maker.window->drawCell(2, 0, 0);
        QCOMPARE(maker.puzzle.cell(0, 0), Red);
    }

    // ---- the size dialog ------------------------------------------------------------------
    void sizeDialogCorrectsItsFields_data()
    {
        QTest::addColumn<QString>("typedWidth");
        QTest::addColumn<QString>("typedHeight");
        QTest::addColumn<QString>("size"); // as the boxes show it after Apply
        QTest::newRow("zero and too large") << "0"
                                            << "75"
                                            << "1x50";
        QTest::newRow("leading zeros and a full box") << "007"
                                                      << "99999999"
                                                      << "7x50";
        QTest::newRow("letters and signs are refused") << "4x-2"
                                                       << "8"
                                                       << "42x8";
    }
    void sizeDialogCorrectsItsFields()
    {
        QFETCH(QString, typedWidth);
        QFETCH(QString, typedHeight);
        QFETCH(QString, size);
        Maker maker;
        maker.window->sizeCommand();
        SizeDialog& dialog = maker.window->sizeDialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.applyButton()->isEnabled());
        QCOMPARE(dialog.currentWidthLabel()->text(), QStringLiteral("Current width: 25"));
        dialog.widthEdit()->clear();
        dialog.heightEdit()->clear();
        QTest::keyClicks(dialog.widthEdit(), typedWidth);
        QTest::keyClicks(dialog.heightEdit(), typedHeight);
        QVERIFY(dialog.applyButton()->isEnabled());
        dialog.applyButton()->click();
        QCOMPARE(dialog.widthEdit()->text() + 'x' + dialog.heightEdit()->text(), size);
        QCOMPARE(QStringLiteral("%1x%2").arg(maker.puzzle.width).arg(maker.puzzle.height), size);
        QCOMPARE(dialog.currentHeightLabel()->text(), "Current height: " + size.section('x', 1));
        QVERIFY(!dialog.applyButton()->isEnabled());
        QVERIFY(maker.puzzle.changed);
        QCOMPARE(maker.window->preview().width(), size.section('x', 0, 0).toInt());
        // OK applies, then closes; Cancel only closes. (Cells beyond a
        // smaller size are kept: core's picture_edits_test.)
        dialog.widthEdit()->setText("10");
        dialog.okButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(maker.puzzle.width, 10);
        maker.window->sizeCommand();
        dialog.widthEdit()->setText("30");
        dialog.cancelButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(maker.puzzle.width, 10);
    }

    // ---- the Edit menu's picture commands (each one and its undo step: editor_history_test)
    void fitSizeOnAnEmptyPuzzleOnlyExplains()
    {
        Maker maker;
        maker.fake.messages.answer(Answer::Ok);
        maker.action("fitSizeAction")->trigger();
        QCOMPARE(maker.message(), "information Ok | Fit Size | The size can only be fitted when there is a picture.");
        QCOMPARE(maker.puzzle.width, 25);
        QVERIFY(!maker.puzzle.changed);
    }

    // ---- layout ---------------------------------------------------------------------------------
    void windowGrowsToKeepThreePixelsACell()
    {
        Maker maker;
        // A window too narrow for three pixels a cell grows at once.
        maker.window->newPuzzle(50, 50, false);
        maker.window->resize(maker.window->minimumSize().width(), 700);
        QTRY_VERIFY(maker.window->width() > maker.window->minimumSize().width());
        QTRY_COMPARE(maker.window->grid().width(), gridExtent(50, maker.window->gridZoom()));
        QVERIFY(maker.window->gridZoom() >= 3.0);
        QCOMPARE(maker.window->preview().size(), QSize(50, 50));
        // So does one too low, once it is wide enough.
        maker.window->resize(900, maker.window->minimumSize().height());
        QTRY_VERIFY(maker.window->height() > maker.window->minimumSize().height());
        QTRY_COMPARE(maker.window->grid().height(), gridExtent(50, maker.window->gridZoom()));
        QVERIFY(maker.window->gridZoom() >= 3.0);
    }
};

QTEST_MAIN(EditorDrawingTest)
#include "editor_drawing_test.moc"
