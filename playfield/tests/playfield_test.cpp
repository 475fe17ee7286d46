#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "PlayFieldRig.h"
#include "core/Rounding.h"
#include "playfield/ClueDrawing.h"

using namespace gw;

namespace {

using Rig = test::PlayFieldRig;
using test::greyRules;
using test::Rules;

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            n += pred(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isCrossGrey(QRgb p) { return (p | 0xff000000u) == qRgb(128, 128, 128); }
bool isNearWhite(QRgb p) { return qRed(p) >= 241 && qGreen(p) >= 241 && qBlue(p) >= 241; }
bool isNearCrossGrey(QRgb p)
{
    return std::abs(qRed(p) - 128) < 14 && std::abs(qGreen(p) - 128) < 14 && std::abs(qBlue(p) - 128) < 14;
}

const char* const Runs = "#.##.#/#...../.....#/#...../......"; // the last row is empty: its clue is a 0

} // namespace

class PlayFieldTest : public QObject {
    Q_OBJECT
private slots:
    void cellUnderPointerRoundsHalvesToEven_data();
    void cellUnderPointerRoundsHalvesToEven();
    void mouseStrokes_data();
    void mouseStrokes();
    void pressOnTheWidgetMarksTheCellUnderThePointer();
    void fastDragMarksEveryCellPassed_data();
    void fastDragMarksEveryCellPassed();
    void makerAsksOnceEveryCellHasItsMark();
    void compositionTakesTheLargestFittingFont_data();
    void compositionTakesTheLargestFittingFont();
    void rulesAndFieldLineUpOverTheGrid();
    void crossingOffGreysOnlyTheClueCell_data();
    void crossingOffGreysOnlyTheClueCell();
    void pressOnTheCluePanelCrossesOffThroughThePixelMapping();
    void resetRestoresNumbersMarksAndButtons();
    void chooserKindsShowTheirSwatchesAndTakeTheOneUnderThePointer_data();
    void chooserKindsShowTheirSwatchesAndTakeTheOneUnderThePointer();
};

void PlayFieldTest::cellUnderPointerRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("column");
    QTest::newRow("inside a cell") << 15.0 << 1;
    QTest::newRow("border 2 (even) goes right") << 20.0 << 2;
    QTest::newRow("border 3 (odd) goes left") << 30.0 << 2;
    QTest::newRow("border 1 (odd) goes left") << 10.0 << 0;
    QTest::newRow("left edge") << 0.0 << 0;
    QTest::newRow("left of the field clamps") << -7.0 << 0;
    QTest::newRow("right of the field clamps") << 500.0 << 11;
}

void PlayFieldTest::cellUnderPointerRoundsHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(int, column);
    Rig rig(PlayFieldKind::Player, "############/............");
    rig.state.cellSize = 10;
    QCOMPARE(rig.field->cellUnderPointer(x, 5).x(), column);
    QCOMPARE(rig.field->cellUnderPointer(5, x).y(), std::min(column, 1));
}

void PlayFieldTest::mouseStrokes_data()
{
    QTest::addColumn<bool>("maker");
    QTest::addColumn<QString>("strokes");
    QTest::addColumn<QString>("firstRow"); // cell states afterwards
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("sets");
    QTest::newRow("no button only moves") << false << "0@1,1"
                                          << "0000"
                                          << " 2, 2" << 0;
    QTest::newRow("middle and both buttons only move") << false << "4@1,0 3@1,0"
                                                       << "0000"
                                                       << " 2, 1" << 0;
    QTest::newRow("dragging beyond the edge paints the last column") << false << "1@2,0 1@2.5,0 1@5,0 1@8.5,0"
                                                                     << "0011"
                                                                     << " 4, 1" << 4;
    QTest::newRow("the player sets a mark again") << false << "1@0,0 1@0,0"
                                                  << "1000"
                                                  << " 1, 1" << 2;
    QTest::newRow("the maker skips a cell that has the mark") << true << "1@0,0 1@0,0"
                                                              << "1000"
                                                              << " 1, 1" << 1;
}

void PlayFieldTest::mouseStrokes()
{
    QFETCH(bool, maker);
    QFETCH(QString, strokes);
    QFETCH(QString, firstRow);
    QFETCH(QString, position);
    QFETCH(int, sets);
    Rig rig(maker ? PlayFieldKind::Maker : PlayFieldKind::Player, "#.../....");
    rig.strokes(strokes);
    QCOMPARE(rig.row(0), firstRow);
    QCOMPARE(rig.position->text(), position);
    QCOMPARE(rig.sets, sets);
}

void PlayFieldTest::pressOnTheWidgetMarksTheCellUnderThePointer()
{
    Rig rig(PlayFieldKind::Player, "#..../.#.../..#../...#./....#");
    // The run with QT_SCALE_FACTOR=2 works on two device pixels per pixel.
    QCOMPARE(rig.dpr(),
             qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0);
    FieldWidget& f = rig.panel->field();
    const QPointF logical = f.picture().origin() + rig.cellCentre(3, 2) * f.picture().pixelsPerPoint();
    const QPoint device = (logical * rig.dpr()).toPoint();
    QTest::mouseClick(&f, Qt::RightButton, {}, logical.toPoint());
    QCOMPARE(rig.position->text(), QStringLiteral(" 4, 3"));
    QCOMPARE(rig.states.cellState(3, 2), 2);
    QCOMPARE(rig.fieldImage().pixelColor(device), QColor(Qt::white)); // swatch 2
    QTest::mouseClick(&f, Qt::LeftButton, {}, logical.toPoint());
    QCOMPARE(rig.states.cellState(3, 2), 1);
    QCOMPARE(rig.fieldImage().pixelColor(device), QColor(Qt::black));
}

void PlayFieldTest::fastDragMarksEveryCellPassed_data()
{
    QTest::addColumn<bool>("maker");
    QTest::newRow("player") << false;
    QTest::newRow("maker") << true;
}

// A quick pointer reports a few positions only: a drag across a 12-cell row
// in three moves used to paint 4 of its cells.
void PlayFieldTest::fastDragMarksEveryCellPassed()
{
    QFETCH(bool, maker);
    Rig rig(maker ? PlayFieldKind::Maker : PlayFieldKind::Player, "#.........../............");
    FieldWidget& f = rig.panel->field();
    auto at = [&](double x, double y) {
        return f.picture().origin() + rig.cellCentre(x, y) * f.picture().pixelsPerPoint();
    };
    auto send = [&](QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, p, f.mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(&f, &event);
    };
    send(QEvent::MouseButtonPress, at(0, 0), Qt::LeftButton, Qt::LeftButton);
    for (const double x : {4.0, 7.0, 11.0})
        send(QEvent::MouseMove, at(x, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at(11, 0), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(rig.row(0), QStringLiteral("111111111111"));
    QCOMPARE(rig.position->text(), QStringLiteral(" 12, 1"));
    // After the release a move without a press marks nothing on its way.
    send(QEvent::MouseMove, at(0, 1), Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, at(0, 1), Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, at(5, 1), Qt::NoButton, Qt::RightButton);
    QCOMPARE(rig.row(1), QStringLiteral("222222000000"));
}

void PlayFieldTest::makerAsksOnceEveryCellHasItsMark()
{
    Rig rig(PlayFieldKind::Maker, "#./.#");
    QSignalSpy close(rig.field.get(), &PlayField::closeRequested);
    rig.strokes(QStringLiteral("1@0,0 1@1,1 2@1,0")); // black marks alone do not solve
    QVERIFY(!rig.field->solved() && rig.messages.requests().isEmpty());
    rig.messages.answer(platform::Answer::No);
    rig.strokes(QStringLiteral("2@0,1 2@0,1")); // the second press finds the mark and asks nothing
    QVERIFY(rig.field->solved());
    QCOMPARE(rig.messages.requests().size(), qsizetype(1));
    const auto& m = rig.messages.requests()[0];
    QVERIFY(m.text.startsWith(QStringLiteral("You have solved the puzzle. If you have done this without cheating")));
    QCOMPARE(m.title, QStringLiteral("Puzzle solved"));
    QCOMPARE(m.icon, platform::Icon::Information);
    QCOMPARE(m.buttons, platform::Buttons::YesNo);
    QCOMPARE(close.count(), 0);
    // Broken and solved again: asked again, and yes closes the window.
    rig.messages.answer(platform::Answer::Yes);
    rig.strokes(QStringLiteral("1@0,1 2@0,1"));
    QCOMPARE(rig.messages.requests().size(), qsizetype(2));
    QCOMPARE(close.count(), 1);
}

void PlayFieldTest::compositionTakesTheLargestFittingFont_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<double>("area");
    for (const double area : {150.0, 300.0, 700.0})
        QTest::addRow("%g points", area) << "#.#../...../#####" << area;
    QString checker; // 50 x 50 in a tiny area: font 5, cell 3, and the panel keeps its natural size
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x <= 50; ++x)
            checker += x == 50 ? QLatin1Char('/') : (x + y) % 2 ? QLatin1Char('.') : QLatin1Char('#');
    QTest::newRow("50 x 50 in 120 points") << checker.chopped(1) << 120.0;
}

void PlayFieldTest::compositionTakesTheLargestFittingFont()
{
    QFETCH(QString, rows);
    QFETCH(double, area);
    Rig rig(PlayFieldKind::Player, rows.toStdString(), area);
    const int f = rig.composition.fontSize, s = rig.composition.cellSize;
    const int span = rig.clues.maxRowClues + rig.puzzle.width, depth = rig.clues.maxColumnClues + rig.puzzle.height;
    // The search itself is pinned down by the page's tests; the play field
    // gives it the area less the panel's right and bottom edges.
    const double fit = area - PanelEdge;
    QCOMPARE(f, largestFittingFontSize(&rig.panel->picture().image(), span, depth, fit, fit));
    QCOMPARE(s, fittingCellSize(&rig.panel->picture().image(), f, span, depth, fit, fit));
    QCOMPARE(rig.state.cellSize, std::int16_t(s));
    QCOMPARE(rig.composition.panelSize, QSizeF(span * s + 2, depth * s + 2).expandedTo(QSizeF(area, area)));
}

void PlayFieldTest::rulesAndFieldLineUpOverTheGrid()
{
    Rig rig(PlayFieldKind::Player, "#..#..#...../............");
    const int s = rig.state.cellSize;
    const double k = rig.k();
    const QRectF f = rig.panel->field().rectPoints();
    QCOMPARE(f, QRectF(rig.clues.maxRowClues * s, rig.clues.maxColumnClues * s, 12 * s + 1, 2 * s + 1));
    const QPointF where = QPointF(rig.panel->field().pos()) + rig.panel->field().picture().origin();
    QVERIFY((where - f.topLeft() * rig.panel->picture().pixelsPerPoint()).manhattanLength() < 1e-9);
    // Beneath the field the panel holds only its rules, thick every five and at the edges.
    const Rules panel =
        greyRules(rig.panelImage(), QPoint(0, roundHalfEven((f.top() + 0.5 * s) * k)), QPoint(1, 0), rig.dpr());
    QCOMPARE(panel.marks, QStringLiteral("T....T....T.T"));
    for (int j = 0; j <= 12; ++j)
        QCOMPARE(panel.starts[std::size_t(j)], int(std::floor((f.left() + j * s) * k + 0.5)));
    // The horizontal rules run through the row clue area from its left edge.
    const QPoint left(roundHalfEven(0.5 * s * k), 0);
    QCOMPARE(greyRules(rig.panelImage(), left, QPoint(0, 1), rig.dpr()).marks, QStringLiteral("T.T"));
    // The field's own lines: thick left of columns 0, 5 and 10.
    const int y = roundHalfEven(rig.panel->field().picture().origin().y() * rig.dpr() + 1.5 * s * k);
    QCOMPARE(greyRules(rig.fieldImage(), QPoint(0, y), QPoint(1, 0), rig.dpr()).marks, QStringLiteral("T....T....T.."));
}

void PlayFieldTest::crossingOffGreysOnlyTheClueCell_data()
{
    QTest::addColumn<bool>("isRow");
    QTest::addColumn<int>("k");
    QTest::newRow("row clue, first run") << true << 0;
    QTest::newRow("row clue, last run") << true << 2;
    QTest::newRow("column clue, first run") << false << 0;
    QTest::newRow("column clue, last run") << false << 1;
}

void PlayFieldTest::crossingOffGreysOnlyTheClueCell()
{
    QFETCH(bool, isRow);
    QFETCH(int, k);
    Rig rig(PlayFieldKind::Player, Runs);
    const QRect cell = isRow ? rig.field->rowClueCell(0, k) : rig.field->columnClueCell(0, k);
    const QImage before = rig.panelImage().copy();
    QVERIFY(countPixels(before, cell, [](QRgb p) { return qRed(p) < 200; }) > 0);
    const int nearGrey = countPixels(before, cell, isNearCrossGrey);
    isRow ? rig.field->toggleRowClue(0, k) : rig.field->toggleColumnClue(0, k);
    // Near-white turned grey; only the pixels that were near the grey are white now.
    QCOMPARE(countPixels(rig.panelImage(), cell, isNearWhite), nearGrey);
    QVERIFY(countPixels(rig.panelImage(), cell, isCrossGrey) > cell.width() * cell.height() / 3);
    // The digits and rules are untouched, and nothing outside the cell changed.
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb was = before.pixel(x, y), now = rig.panelImage().pixel(x, y);
            if (!cell.contains(x, y) || (!isNearWhite(was) && !isNearCrossGrey(was)))
                QCOMPARE(now, was);
        }
    // A second press gives back every pixel: trialwindow_test's crossing-off test.
}

void PlayFieldTest::pressOnTheCluePanelCrossesOffThroughThePixelMapping()
{
    Rig rig(PlayFieldKind::Player, Runs);
    const int s = rig.state.cellSize;
    const QRectF f = rig.panel->field().rectPoints();
    const double pixelsPerPoint = rig.panel->picture().pixelsPerPoint();
    auto at = [&](double cellsRight, double cellsDown) {
        return (QPointF(f.left() + cellsRight * s, f.top() + cellsDown * s) * pixelsPerPoint).toPoint();
    };
    // Row 0 has three runs; the first stands three cells left of the field.
    QTest::mouseClick(rig.panel, Qt::LeftButton, {}, at(-2.5, 0.5));
    QVERIFY(countPixels(rig.panelImage(), rig.field->rowClueCell(0, 0), isCrossGrey) > 0);
    QCOMPARE(countPixels(rig.panelImage(), rig.field->rowClueCell(0, 1), isCrossGrey), 0);
    // Column 5 has two runs; its last stands right above the field.
    QTest::mouseClick(rig.panel, Qt::RightButton, {}, at(5.5, -0.5));
    QVERIFY(countPixels(rig.panelImage(), rig.field->columnClueCell(5, 1), isCrossGrey) > 0);
    QCOMPARE(rig.state.crossed.all(), (std::vector<ClueRef> {{true, 0, 0}, {false, 5, 1}}));
    // The middle button does nothing, nor does the corner above the row clues
    // or the 0 of an empty row.
    const QImage before = rig.panelImage().copy();
    QTest::mouseClick(rig.panel, Qt::MiddleButton, {}, at(-2.5, 0.5));
    QTest::mouseClick(rig.panel, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(rig.panel, Qt::LeftButton, {}, at(-0.5, 4.5));
    QVERIFY(!rig.field->clueAt(f.left() - 0.5 * s, f.top() + 4.5 * s));
    QCOMPARE(rig.panelImage(), before);
}

void PlayFieldTest::resetRestoresNumbersMarksAndButtons()
{
    Rig rig(PlayFieldKind::Player, Runs);
    rig.field->toggleRowClue(0, 1);
    rig.field->toggleColumnClue(5, 0);
    rig.chooser->choose(1, 0);
    rig.chooser->choose(2, 4);
    rig.strokes(QStringLiteral("2@3,3"));
    QCOMPARE(rig.states.cellState(3, 3), 4);
    QVERIFY(!rig.state.crossed.empty());
    rig.field->reset();
    QCOMPARE(countPixels(rig.panelImage(), rig.panelImage().rect(), isCrossGrey), 0);
    QVERIFY(rig.state.crossed.empty());
    QCOMPARE(rig.states.cellState(3, 3), 0);
    QCOMPARE(rig.state.buttonMarks, (std::array<std::uint8_t, 2> {{1, 2}}));
    const QPointF centre = rig.panel->field().picture().origin() * rig.dpr() + rig.cellCentre(3, 3) * rig.k();
    QCOMPARE(rig.fieldImage().pixelColor(centre.toPoint()), rig.chooser->swatchColor(0));
}

void PlayFieldTest::chooserKindsShowTheirSwatchesAndTakeTheOneUnderThePointer_data()
{
    QTest::addColumn<ChooserKind>("kind");
    QTest::addColumn<int>("blackAndWhite");      // swatches shown for a black-and-white puzzle
    QTest::addColumn<QList<QColor>>("swatches"); // swatches 0, 1, 5 and 7
    QTest::addColumn<QColor>("withLookFile");    // swatch 0 with an unmarked-look picture in the folder
    QTest::addColumn<QPoint>("outline");         // an outline pixel, from the strip's top-left corner
    QTest::addColumn<QColor>("outlineColor");
    QTest::newRow("play field: the unmarked look first, a grey edge")
        << ChooserKind::PlayField << 3 << QList<QColor> {Qt::white, Qt::black, Qt::yellow, Qt::magenta}
        << QColor(230, 226, 200) << QPoint(0, 0) << QColor(Qt::darkGray);
    QTest::newRow("palette: black first, framed outside the strip")
        << ChooserKind::PaletteColors << 2 << QList<QColor> {Qt::black, Qt::white, Qt::green, Qt::cyan}
        << QColor(Qt::black) << QPoint(-1, -1) << QColor(Qt::black);
}

void PlayFieldTest::chooserKindsShowTheirSwatchesAndTakeTheOneUnderThePointer()
{
    QFETCH(ChooserKind, kind);
    QFETCH(int, blackAndWhite);
    QFETCH(QList<QColor>, swatches);
    QFETCH(QColor, withLookFile);
    QFETCH(QPoint, outline);
    QFETCH(QColor, outlineColor);
    std::array<std::uint8_t, 2> choice {{0, 1}};
    QWidget window;
    ColorChooser chooser(kind, choice, {20}, &window);
    QCOMPARE(
        QList<QColor>({chooser.swatchColor(0), chooser.swatchColor(1), chooser.swatchColor(5), chooser.swatchColor(7)}),
        swatches);
    QWidget* strip = &chooser.strip();
    const QImage shown = chooser.grab().toImage();
    QCOMPARE(shown.pixelColor((strip->pos() + outline) * shown.devicePixelRatio()), outlineColor);
    QCOMPARE(shown.pixelColor((strip->pos() + QPoint(10, 10)) * shown.devicePixelRatio()), swatches[0]);
    QTemporaryDir folder;
    QImage look(30, 30, QImage::Format_RGB32); // reaches into swatch 1, which the palette paints over
    look.fill(QColor(230, 226, 200));
    look.setPixelColor(0, 0, Qt::red); // only (1, 1) counts
    QVERIFY(look.save(folder.filePath(QStringLiteral("hamworst.dat")), "BMP"));
    chooser.paintSwatches(folder.path());
    QCOMPARE(chooser.swatchColor(0), withLookFile);
    QCOMPARE(chooser.swatchColor(1), swatches[1]);
    chooser.showColorPuzzle(false);
    chooser.press(1, (blackAndWhite + 0.5) * 20); // beyond the visible swatches: ignored
    chooser.press(2, -1);
    QCOMPARE(choice, (std::array<std::uint8_t, 2> {{0, 1}}));
    // Regression: the last half pixel of the last visible swatch was rounded
    // onto the first hidden one; it is that swatch's own last pixel.
    chooser.press(1, blackAndWhite * 20 - 0.5);
    QCOMPARE(int(choice[0]), blackAndWhite - 1);
    chooser.press(1, 20); // exactly on the border between 0 and 1
    chooser.press(2, 0.5 * 20);
    QCOMPARE(choice, (std::array<std::uint8_t, 2> {{1, 0}}));
    // Dragging on the strip moves the choice and its marker; both buttons held choose nothing.
    chooser.showColorPuzzle(true);
    auto move = [&](int y, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, QPointF(10, y), strip->mapToGlobal(QPointF(10, y)), Qt::NoButton, buttons,
                          {});
        QCoreApplication::sendEvent(strip, &event);
    };
    QTest::mousePress(strip, Qt::RightButton, {}, QPoint(10, 30));
    for (int y = 30; y <= 90; y += 10)
        move(y, Qt::RightButton);
    move(150, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(choice, (std::array<std::uint8_t, 2> {{1, 4}}));
    QCOMPARE(chooser.markerY(2), 90);
}

QTEST_MAIN(PlayFieldTest)
#include "playfield_test.moc"
