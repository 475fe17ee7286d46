// Changing the picture: drawing with the mouse, choosing the buttons' colours
// on the strip, the size dialog, the picture commands of the Edit menu, and
// the grid's layout in the window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "core/Palette.h"
#include "editor/GridView.h"
#include "editor/SizeDialog.h"
#include "editor/PreviewView.h"
#include "editor/tests/EditorTestKit.h"
#include "playfield/ColorChooser.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {
const QString Dots50 = QString(50, '.');
}

class EditorDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // ---- drawing ------------------------------------------------------------------
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
        maker.makeZoom16();
        QTest::mouseClick(&maker.form->grid(), Qt::LeftButton, {}, pixel);
        QCOMPARE(maker.puzzle.cell(cell.x(), cell.y()), Black);
        QCOMPARE(int(std::count(maker.puzzle.Cells.begin(), maker.puzzle.Cells.end(), Black)), 1);
        QCOMPARE(maker.form->statusText(),
                 QStringLiteral("Cell <%1, %2> is now black.").arg(cell.x() + 1).arg(cell.y() + 1));
        QCOMPARE(maker.form->positionText(), QStringLiteral(" %1, %2").arg(cell.x() + 1).arg(cell.y() + 1));
        QVERIFY(maker.puzzle.PuzzleChanged);
        QCOMPARE(maker.form->grid().colorAt(cell * 16 + QPoint(8, 8)), QColor(Qt::black));
        QCOMPARE(maker.form->preview().picture().pixelColor(cell), QColor(Qt::black));
    }

    void middleButtonPressingAgainAndRightButton() {
        Maker maker;
        maker.makeZoom16();
        GridView& grid = maker.form->grid();
        QTest::mouseClick(&grid, Qt::MiddleButton, {}, QPoint(5 * 16 + 8, 6 * 16 + 8));
        QCOMPARE(maker.form->positionText(), QStringLiteral(" 6, 7")); // the middle button only shows where
        QVERIFY(!maker.puzzle.PuzzleChanged);
        QCOMPARE(maker.form->statusText(), Welcome);
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        maker.form->setStatus("kept");
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        QCOMPARE(maker.form->statusText(), QStringLiteral("kept")); // the cell had that colour already
        QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(3 * 16 + 8, 3 * 16 + 8));
        QCOMPARE(maker.puzzle.cell(3, 3), White);
        QCOMPARE(maker.form->statusText(), QStringLiteral("Cell <4, 4> is now white."));
    }

    void draggingPastTheEdgeKeepsPaintingTheLastColumn() {
        Maker maker;
        maker.makeZoom16();
        GridView& grid = maker.form->grid();
        QTest::mousePress(&grid, Qt::LeftButton, {}, QPoint(22 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(23 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(24 * 16 + 8, 8));
        QTest::mouseMove(&grid, QPoint(600, 1 * 16 + 8)); // beyond the right edge
        QTest::mouseMove(&grid, QPoint(900, 3 * 16 + 8));
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, QPoint(900, 3 * 16 + 8));
        QCOMPARE(gridRows(maker.puzzle).mid(0, 4), (QStringList{QString(22, '.') + "###", QString(24, '.') + "#",
                                                                QString(25, '.'), QString(24, '.') + "#"}));
    }

    void statusNamesTheColourInTheLanguage() {
        Maker maker(2);
        maker.form->newPuzzle(10, 10, true);
        maker.form->chooser().choose(1, Aqua);
        maker.form->drawCell(1, 2, 4);
        QCOMPARE(maker.form->statusText(), QString::fromUtf8("La casella <3, 5> \u00e8 ora c\u00ecano."));
    }

    // ---- the colour strip ---------------------------------------------------------------
    void stripGivesEachButtonItsSwatch() {
        Maker maker;
        ColorChooser& chooser = maker.form->chooser();
        QWidget& strip = chooser.strip();
        const int sw = chooser.swatchWidth();
        QCOMPARE(strip.height(), 2 * sw); // black and white only
        chooser.press(1, 2 * sw + 1);     // below the visible swatches
        chooser.press(1, -1);
        chooser.press(3, sw / 2.0); // both buttons held
        QCOMPARE(maker.puzzle.ButtonColor[0], Black);
        QCOMPARE(maker.puzzle.ButtonColor[1], White);

        maker.form->newPuzzle(10, 10, true);
        QCOMPARE(strip.height(), 8 * sw);
        QTest::mouseClick(&strip, Qt::RightButton, {}, QPoint(sw / 2, 2 * sw)); // on the border: swatch 2
        QCOMPARE(maker.puzzle.ButtonColor[1], Red);
        QCOMPARE(chooser.markerY(2), int(2.5 * sw));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(sw / 2, 5 * sw + 3));
        QCOMPARE(maker.puzzle.ButtonColor[0], Green);
        maker.form->drawCell(2, 0, 0);
        QCOMPARE(maker.puzzle.cell(0, 0), Red);
        QTest::mousePress(&strip, Qt::RightButton, {}, QPoint(sw / 2, sw + sw / 2));
        QTest::mouseMove(&strip, QPoint(sw / 2, 3 * sw));
        QTest::mouseMove(&strip, QPoint(sw / 2, 4 * sw + sw / 2));
        QTest::mouseRelease(&strip, Qt::RightButton, {}, QPoint(sw / 2, 4 * sw + sw / 2));
        QCOMPARE(maker.puzzle.ButtonColor[1], Yellow);
        QCOMPARE(chooser.markerY(2), int(4.5 * sw));
    }

    // ---- the size dialog ------------------------------------------------------------------
    void sizeDialogCorrectsItsFields_data() {
        QTest::addColumn<QString>("typedWidth");
        QTest::addColumn<QString>("typedHeight");
        QTest::addColumn<QString>("size"); // as the boxes show it after Apply
        QTest::newRow("zero and too large") << "0" << "75" << "1x50";
        QTest::newRow("empty height takes the current") << "12" << "" << "12x25";
        QTest::newRow("leading zeros and a full box") << "007" << "99999999" << "7x50";
        QTest::newRow("letters and signs are refused") << "4x-2" << "8" << "42x8";
    }
    void sizeDialogCorrectsItsFields() {
        QFETCH(QString, typedWidth);
        QFETCH(QString, typedHeight);
        QFETCH(QString, size);
        Maker maker;
        maker.form->sizeCommand();
        SizeDialog& dialog = maker.form->sizeDialog();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.Command3->isEnabled());
        QCOMPARE(dialog.Label3->text(), QStringLiteral("Current width: 25"));
        dialog.Text1->clear();
        dialog.Text2->clear();
        QTest::keyClicks(dialog.Text1, typedWidth);
        QTest::keyClicks(dialog.Text2, typedHeight);
        QVERIFY(dialog.Command3->isEnabled());
        dialog.Command3->click();
        QCOMPARE(dialog.Text1->text() + 'x' + dialog.Text2->text(), size);
        QCOMPARE(QStringLiteral("%1x%2").arg(maker.puzzle.PuzzleWidth).arg(maker.puzzle.PuzzleHeight), size);
        QCOMPARE(dialog.Label4->text(), "Current height: " + size.section('x', 1));
        QVERIFY(!dialog.Command3->isEnabled());
        QVERIFY(maker.puzzle.PuzzleChanged);
        QCOMPARE(maker.form->preview().width(), size.section('x', 0, 0).toInt());
    }

    void shrinkingAndGrowingBackShowsTheOldPicture() {
        Maker maker;
        maker.form->newPuzzle(30, 30, false);
        maker.form->drawCell(1, 25, 25);
        maker.form->sizeCommand();
        SizeDialog& dialog = maker.form->sizeDialog();
        dialog.Text1->setText("10");
        dialog.Command2->click(); // OK applies first
        QVERIFY(!dialog.isVisible());
        QCOMPARE(maker.puzzle.PuzzleWidth, 10);
        maker.form->sizeCommand();
        dialog.Text1->setText("30");
        dialog.Command3->click();
        QCOMPARE(maker.puzzle.cell(25, 25), Black);
        dialog.Command1->click();
        QVERIFY(!dialog.isVisible());
    }

    // ---- the Edit menu's picture commands --------------------------------------------------
    void fitSizeOnAnEmptyPuzzleOnlyExplains() {
        Maker maker;
        maker.fake.messages.answer(Answer::Ok);
        maker.action("MMfitSize")->trigger();
        QCOMPARE(maker.message(), "information Ok | Fit Size | The size can only be fitted when there is a picture.");
        QCOMPARE(maker.puzzle.PuzzleWidth, 25);
        QVERIFY(!maker.puzzle.PuzzleChanged);
    }

    // `before` and `after` show a larger area than the cells in use: cells outside are
    // never touched, except that Fit Size moves the whole picture.
    void pictureCommands_data() {
        QTest::addColumn<QString>("items");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QSize>("inUse");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("status");
        const auto row = [](const char* name, const char* items, const QString& before, QSize inUse,
                            const QString& after, QSize size, const char* status) {
            QTest::newRow(name) << items << before.split('|') << inUse << after.split('|') << size << status;
        };
        const char* fitted = "The size has been fitted to the picture.";
        row("fit: to the corner", "MMfitSize", ".....|..#R.|..B..|.....", {5, 4}, "#R...|B....|.....|.....", {2, 2},
            fitted);
        row("fit: sees cells beyond those in use", "MMfitSize", "......|......|.....G", {3, 2}, "G.....|......|......",
            {1, 1}, fitted);
        row("fit: keeps the last column", "MMfitSize", QString(49, '.') + "B|" + Dots50 + "|.#" + QString(48, '.'),
            {50, 3}, QString(48, '.') + "B.|" + Dots50 + "|#" + QString(49, '.'), {49, 3}, fitted);
        const char* negative = "The picture has been made negative.";
        row("negative: black and white", "MMnegatief", "#.#R|.#..", {3, 2}, ".#.R|#.#.", {3, 2}, negative);
        row("negative: colours", "MMnegatief", "RBYG|MA#.", {4, 2}, "AYBM|GR.#", {4, 2}, negative);
        row("negative twice", "MMnegatief MMnegatief", "RBYG|MA#.", {4, 2}, "RBYG|MA#.", {4, 2}, negative);
        const QString shiftable = "#R.#|.B#.|G...";
        const char* left = "The picture has been dragged to the left.";
        const char* right = "The picture has been dragged to the right.";
        row("left", "MMschuif0", shiftable, {3, 3}, "R..#|B#..|....", {3, 3}, left);
        row("right", "MMschuif1", shiftable, {3, 3}, ".#R#|..B.|.G..", {3, 3}, right);
        row("up", "MMschuif2", shiftable, {3, 3}, ".B##|G...|....", {3, 3}, "The picture has been dragged up.");
        row("down", "MMschuif3", shiftable, {3, 3}, "...#|#R..|.B#.", {3, 3}, "The picture has been dragged down.");
        row("left twice and back loses the left columns", "MMschuif0 MMschuif0 MMschuif1 MMschuif1", "#RB.G|Y.#.M",
            {5, 2}, "..B.G|..#.M", {5, 2}, right);
        row("left on a single column whitens it", "MMschuif0", "#|R", {1, 2}, ".|.", {1, 2}, left);
    }
    void pictureCommands() {
        QFETCH(QString, items);
        QFETCH(QStringList, before);
        QFETCH(QSize, inUse);
        QFETCH(QStringList, after);
        QFETCH(QSize, size);
        QFETCH(QString, status);
        Maker maker;
        drawGrid(maker.puzzle, before);
        const QSize area(maker.puzzle.PuzzleWidth, maker.puzzle.PuzzleHeight);
        maker.puzzle.PuzzleWidth = std::int16_t(inUse.width());
        maker.puzzle.PuzzleHeight = std::int16_t(inUse.height());
        maker.form->layoutWindow();
        for (const QString& item : items.split(' '))
            maker.action(item.toLatin1().constData())->trigger();
        QCOMPARE(gridRows(maker.puzzle, area), after);
        QCOMPARE(QSize(maker.puzzle.PuzzleWidth, maker.puzzle.PuzzleHeight), size);
        QCOMPARE(maker.form->statusText(), status);
        QVERIFY(maker.puzzle.PuzzleChanged);
        const double z = maker.form->gridZoom();
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QColor want = shownColor(maker.puzzle.cell(x, y));
                QCOMPARE(maker.form->grid().colorAt(QPoint(int((x + 0.5) * z), int((y + 0.5) * z))), want);
                QCOMPARE(maker.form->preview().picture().pixelColor(x, y), want);
            }
    }

    // ---- layout ---------------------------------------------------------------------------------
    void windowGrowsToKeepThreePixelsACell() {
        Maker maker;
        // A window too narrow for three pixels a cell grows at once.
        maker.form->newPuzzle(50, 50, false);
        maker.form->resize(maker.form->minimumSize().width(), 700);
        QTRY_VERIFY(maker.form->gridZoom() >= 3.0);
        QTRY_VERIFY(maker.form->grid().width() >= 151);
        QVERIFY(maker.form->width() > maker.form->minimumSize().width());
        QCOMPARE(maker.form->preview().size(), QSize(50, 50));
        // So does one too low, once it is wide enough.
        maker.form->resize(900, maker.form->minimumSize().height());
        QTRY_VERIFY(maker.form->grid().height() >= 151);
        QVERIFY(maker.form->height() > maker.form->minimumSize().height());
    }
};

QTEST_MAIN(EditorDrawingTest)
#include "editor_drawing_test.moc"
