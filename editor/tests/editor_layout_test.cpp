// The main window's layout: where the grid's lines fall and which cell a
// pixel belongs to, how far a window too small for three pixels a cell grows,
// the minimum outer size, and texts that must fit after a language switch.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "editor/SizeDialog.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {

// The x of every black pixel along the middle of the first row of cells of an
// all-white grid: its vertical lines.
QList<int> blackColumns(const GridView& grid, double zoom)
{
    QList<int> columns;
    const int y = int(zoom / 2);
    for (int x = 0; x < grid.width(); ++x)
        if (grid.colorAt(QPoint(x, y)) == QColor(Qt::black))
            columns << x;
    return columns;
}

} // namespace

class EditorLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    // Lines at floor(i x zoom) put 20.32's third line at 40: they must round,
    // halves to even, and every pixel between two lines belongs to their cell.
    void gridLinesRoundHalvesToEven_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("20.32") << 20.32 << QList<int> {0, 20, 41, 61, 81};
        QTest::newRow("3.5: halves to even") << 3.5 << QList<int> {0, 4, 7, 10, 14};
        QTest::newRow("16.5: halves to even") << 16.5 << QList<int> {0, 16, 33, 50, 66};
    }
    void gridLinesRoundHalvesToEven()
    {
        QFETCH(double, zoom);
        QFETCH(QList<int>, lines);
        Puzzle puzzle;
        drawGrid(puzzle, {"....", "...."});
        GridView grid(puzzle);
        grid.redraw(zoom);
        QCOMPARE(blackColumns(grid, zoom), lines);
        QCOMPARE(grid.width(), lines.last() + 1);
        for (int i = 0; i + 1 < lines.size(); ++i)
            for (int x = lines[i] + 1; x < lines[i + 1]; ++x)
                QCOMPARE(cellFromPixel(x, zoom, 4), i);
    }

    // The growth span x (3 / zoom - 1) in floating point gave 2.0000000000000124
    // for 2, and one pixel too many after rounding up (a 1 x 50 puzzle's window
    // grew to 203 high instead of 202).
    void growthKeepsWholeNumbersWhole_data()
    {
        QTest::addColumn<int>("freeWidth");
        QTest::addColumn<int>("freeHeight");
        QTest::addColumn<int>("spanWidth");
        QTest::addColumn<QSize>("puzzle");
        QTest::addColumn<QSize>("growth");
        QTest::newRow("1 x 50, 148 free down: 2") << 500 << 148 << 700 << QSize(1, 50) << QSize(0, 2);
        QTest::newRow("50 x 1, 148 free across of 296: 4") << 148 << 400 << 296 << QSize(50, 1) << QSize(4, 0);
        QTest::newRow("25 x 25, 72 free of 209: 8.71 up to 9") << 72 << 400 << 209 << QSize(25, 25) << QSize(9, 0);
        QTest::newRow("fits") << 75 << 75 << 300 << QSize(25, 25) << QSize(0, 0);
    }
    void growthKeepsWholeNumbersWhole()
    {
        QFETCH(int, freeWidth);
        QFETCH(int, freeHeight);
        QFETCH(int, spanWidth);
        QFETCH(QSize, puzzle);
        QFETCH(QSize, growth);
        const GridScale scale =
            gridScale(freeWidth, freeHeight, spanWidth, freeHeight, puzzle.width(), puzzle.height());
        QCOMPARE(QSize(scale.growWidth, scale.growHeight), growth);
        QCOMPARE(scale.fits(), growth.isNull());
    }

    // Narrowed past the minimum by a window system that ignores the hint, the
    // window went to 1559 pixels to give the grid three pixels a cell.
    void layoutAppliesTheMinimumOuterSize()
    {
        Maker maker;
        maker.window->setMinimumSize(0, 0); // what a window system without hints does
        maker.window->resize(160, 500);
        QTRY_VERIFY(maker.window->frameGeometry().width() >= 229); // 3435 twips
        QTRY_COMPARE(maker.window->grid().width(), gridExtent(25, maker.window->gridZoom()));
        QVERIFY(maker.window->gridZoom() >= 3.0);
        QVERIFY2(maker.window->gridZoom() < 4, qPrintable(QString::number(maker.window->width()))); // not 1559 wide
    }

    // The preview frame's caption ("Anteprima di stampa" was cut) and the size
    // dialog's current size follow a language switch at once.
    void textsFitAfterALanguageSwitch_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("frameTitle");
        QTest::addColumn<QString>("currentWidth");
        QTest::addColumn<QString>("currentHeight");
        QTest::newRow("English") << Language::English << "Preview"
                                 << "Current width: 25"
                                 << "Current height: 25";
        QTest::newRow("Dutch") << Language::Dutch << "Preview"
                               << "Huidige breedte: 25"
                               << "Huidige hoogte: 25";
        QTest::newRow("Italian") << Language::Italian << "Anteprima di stampa"
                                 << "Larghezza corrente: 25"
                                 << "Altezza corrente: 25";
    }
    void textsFitAfterALanguageSwitch()
    {
        QFETCH(Language, language);
        QFETCH(QString, frameTitle);
        QFETCH(QString, currentWidth);
        QFETCH(QString, currentHeight);
        Maker maker(languageByte(language == Language::English ? Language::Dutch : Language::English));
        maker.window->sizeCommand();
        SizeDialog& dialog = maker.window->sizeDialog();
        dialog.widthEdit()->setText("12"); // typed before the switch: kept
        maker.window->languageAction(language)->trigger();
        QCOMPARE(dialog.currentWidthLabel()->text(), currentWidth);
        QCOMPARE(dialog.currentHeightLabel()->text(), currentHeight);
        QCOMPARE(dialog.widthEdit()->text(), QStringLiteral("12"));
        QVERIFY(dialog.applyButton()->isEnabled());

        // At the default window size the whole caption is inside its frame,
        // and the frame inside the side panel beside the grid.
        auto* frame = maker.window->findChild<QGroupBox*>("previewFrame");
        QWidget* panel = maker.window->findChild<QWidget*>("sidePanel");
        QCOMPARE(frame->title(), frameTitle);
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(label.right() < frame->width(), qPrintable(QStringLiteral("%1 ends at %2 in a frame %3 wide")
                                                                .arg(frameTitle)
                                                                .arg(label.right())
                                                                .arg(frame->width())));
        QVERIFY(frame->geometry().right() < panel->width());
        QCOMPARE(panel->geometry().right(), maker.window->centralWidget()->width() - 1);
        QVERIFY(maker.window->grid().geometry().right() < panel->x());
    }
};

QTEST_MAIN(EditorLayoutTest)
#include "editor_layout_test.moc"
