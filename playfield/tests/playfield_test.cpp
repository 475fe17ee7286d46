#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include <QTemporaryDir>
#include "platform/testing/FakePlatform.h"
#include "core/Rounding.h"
#include "playfield/ClueDrawing.h"
#include "playfield/CluePanel.h"
#include "playfield/ColourChooser.h"
#include "playfield/ComposePlayField.h"
#include "playfield/PlayField.h"

using namespace gw;

namespace {

// Player-style marks that also count every SetCell.
class CountingStates : public PlayerCellStates {
public:
    int sets = 0;
    void SetCell(int x, int y, std::uint8_t state) override
    {
        ++sets;
        PlayerCellStates::SetCell(x, y, state);
    }
};

// One play field with its widgets, composed for `rows`.
struct Rig {
    Puzzle puzzle;
    ClueTables clues;
    CountingStates states;
    PlayFieldState state;
    platform::testing::ScriptedMessageBoxes messages;
    QWidget window;
    CluePanel* panel;
    ColourChooser* chooser;
    QLabel* position;
    std::unique_ptr<PlayField> field;
    PlayFieldComposition composition;

    Rig(PlayFieldKind kind, std::initializer_list<std::string> rows, bool colour = false, double area = 400)
        : puzzle(test::puzzleFromRows(rows, colour))
    {
        DerivePlayerClues(puzzle, clues);
        panel = new CluePanel(&window);
        chooser = new ColourChooser(ChooserKind::PlayField, state.ButtonMark, 20, &window);
        chooser->move(area + 10, 0);
        position = new QLabel(&window);
        field = std::make_unique<PlayField>(kind, puzzle, clues, states, state, *panel, *chooser, messages);
        field->setPositionLabel(position);
        states.setCellPainter([this](int x, int y) { field->paintCell(x, y); });
        composition = ComposePlayField(*field, area, area);
        states.sets = 0;
    }

    const QImage& panelImage() const { return panel->picture().image(); }
    const QImage& fieldImage() const { return panel->field().picture().image(); }
    double k() const { return panel->picture().devicePixelsPerPoint(); }
    double dpr() const { return panel->picture().dpr(); }
    // Field point of the centre of cell (x, y).
    QPointF cellCentre(int x, int y) const { return QPointF((x + 0.5) * state.TestCellSize, (y + 0.5) * state.TestCellSize); }
    void mark(int button, int x, int y)
    {
        const QPointF p = cellCentre(x, y);
        field->fieldMouse(button, p.x(), p.y());
    }
};

bool isGrey64(QRgb p) { return qRed(p) == 64 && qGreen(p) == 64 && qBlue(p) == 64; }

// Lengths of the runs of (64, 64, 64) pixels along image row y.
std::vector<std::pair<int, int>> greyRuns(const QImage& image, int y)
{
    std::vector<std::pair<int, int>> runs; // start, length
    for (int x = 0; x < image.width(); ++x) {
        if (!isGrey64(image.pixel(x, y)))
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            n += pred(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isCrossGrey(QRgb p) { return p == qRgb(128, 128, 128) || (p | 0xff000000u) == qRgb(128, 128, 128); }
bool isNearWhite(QRgb p) { return qRed(p) >= 241 && qGreen(p) >= 241 && qBlue(p) >= 241; }
bool isInk(QRgb p) { return !isNearWhite(p) && !isCrossGrey(p); }
bool isNearCrossGrey(QRgb p)
{
    return std::abs(qRed(p) - 128) < 14 && std::abs(qGreen(p) - 128) < 14 && std::abs(qBlue(p) - 128) < 14;
}

} // namespace

class PlayFieldTest : public QObject {
    Q_OBJECT
private slots:
    void cellUnderPointerRoundsHalvesToEven_data();
    void cellUnderPointerRoundsHalvesToEven();
    void positionLabelReadsBlankNumberCommaBlankNumber();
    void pressOnTheWidgetMarksTheCellUnderThePointer();
    void draggingBeyondTheRightEdgeKeepsPaintingTheLastColumn();
    void middleButtonOnlyUpdatesThePosition();
    void makerSkipsACellThatAlreadyHasTheMark();
    void markingWhileTheComputerTestRunsStopsItFirst();
    void blackMarksAloneDoNotSolveWhiteMarksDo();
    void makerYesAsksToCloseTheWindow();
    void playerGivesTheSolvedMessageOncePerReset();
    void fiftyByFiftyInATinyAreaEndsAtFontFiveCellThree();
    void compositionTakesTheLargestFittingFont();
    void thickLinesEveryFiveAndAtTheEdges();
    void fieldLiesExactlyOverTheGridArea();
    void clueNumberColoursStayReadable_data();
    void clueNumberColoursStayReadable();
    void emptyRowShowsOneBlackZeroThatCannotBeCrossedOff();
    void crossingOffGreysTheCellAndASecondPressRestoresIt_data();
    void crossingOffGreysTheCellAndASecondPressRestoresIt();
    void pressOnTheCluePanelCrossesOffThroughThePixelMapping();
    void resetRestoresNumbersMarksAndButtons();
    void blackAndWhiteChooserOffersThreeSwatches();
    void draggingOnTheStripMovesTheChoiceAndItsMarker();
    void unmarkedLookComesFromTheStripPicture();
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
    Rig rig(PlayFieldKind::Player, {"############", "............"});
    rig.state.TestCellSize = 10;
    QCOMPARE(rig.field->cellUnderPointer(x, 5).x(), column);
    QCOMPARE(rig.field->cellUnderPointer(5, x).y(), std::min(column, 1));
}

void PlayFieldTest::positionLabelReadsBlankNumberCommaBlankNumber()
{
    Rig rig(PlayFieldKind::Player, {"#.", ".#"});
    rig.field->fieldMouse(0, 1, 1);
    QCOMPARE(rig.position->text(), QStringLiteral(" 1, 1"));
    rig.mark(0, 1, 1);
    QCOMPARE(rig.position->text(), QStringLiteral(" 2, 2"));
    QCOMPARE(rig.states.sets, 0);
}

void PlayFieldTest::pressOnTheWidgetMarksTheCellUnderThePointer()
{
    Rig rig(PlayFieldKind::Player, {"#....", ".#...", "..#..", "...#.", "....#"});
    // The run with QT_SCALE_FACTOR=2 works on two device pixels per pixel.
    QCOMPARE(rig.dpr(), qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0);
    FieldWidget& f = rig.panel->field();
    const double ppp = f.picture().pixelsPerPoint();
    const QPointF logical = f.picture().origin() + rig.cellCentre(3, 2) * ppp;
    QTest::mouseClick(&f, Qt::RightButton, {}, logical.toPoint());
    QCOMPARE(rig.position->text(), QStringLiteral(" 4, 3"));
    QCOMPARE(rig.states.cellState(3, 2), 2);
    // The painted cell shows white (swatch 2) in its middle, in device pixels.
    const QPointF device = logical * rig.dpr();
    QCOMPARE(rig.fieldImage().pixelColor(device.toPoint()), QColor(Qt::white));
    QTest::mouseClick(&f, Qt::LeftButton, {}, logical.toPoint());
    QCOMPARE(rig.states.cellState(3, 2), 1);
    QCOMPARE(rig.fieldImage().pixelColor(device.toPoint()), QColor(Qt::black));
}

void PlayFieldTest::draggingBeyondTheRightEdgeKeepsPaintingTheLastColumn()
{
    Rig rig(PlayFieldKind::Player, {"#...", "...."});
    const double s = rig.state.TestCellSize;
    for (double x = 2.5 * s; x < 9 * s; x += s / 2)
        rig.field->fieldMouse(1, x, 0.5 * s);
    QCOMPARE(rig.states.cellState(2, 0), 1);
    QCOMPARE(rig.states.cellState(3, 0), 1);
    QCOMPARE(rig.states.cellState(1, 0), 0);
    QCOMPARE(rig.position->text(), QStringLiteral(" 4, 1"));
}

void PlayFieldTest::middleButtonOnlyUpdatesThePosition()
{
    Rig rig(PlayFieldKind::Player, {"#.", ".#"});
    rig.mark(4, 1, 0);
    rig.mark(3, 1, 0); // both buttons held while moving
    QCOMPARE(rig.position->text(), QStringLiteral(" 2, 1"));
    QCOMPARE(rig.states.sets, 0);
    QCOMPARE(rig.states.cellState(1, 0), 0);
}

void PlayFieldTest::makerSkipsACellThatAlreadyHasTheMark()
{
    Rig maker(PlayFieldKind::Maker, {"#.", ".#"});
    maker.mark(1, 0, 0);
    maker.mark(1, 0, 0);
    QCOMPARE(maker.states.sets, 1);
    Rig player(PlayFieldKind::Player, {"#.", ".#"});
    player.mark(1, 0, 0);
    player.mark(1, 0, 0);
    QCOMPARE(player.states.sets, 2);
}

void PlayFieldTest::markingWhileTheComputerTestRunsStopsItFirst()
{
    Rig rig(PlayFieldKind::Maker, {"#.", ".#"});
    bool running = true;
    std::vector<std::string> order;
    rig.field->setComputerTest([&] { return running; }, [&] {
        running = false;
        order.push_back("stop");
    });
    rig.states.setCellPainter([&](int x, int y) {
        order.push_back("set");
        rig.field->paintCell(x, y);
    });
    rig.mark(1, 1, 1);
    QCOMPARE(order, (std::vector<std::string>{"stop", "set"}));
    rig.mark(4, 0, 0); // the middle button marks nothing and stops nothing
    QCOMPARE(order.size(), qsizetype(2));
}

void PlayFieldTest::blackMarksAloneDoNotSolveWhiteMarksDo()
{
    Rig rig(PlayFieldKind::Maker, {"#.", ".#"});
    rig.mark(1, 0, 0);
    rig.mark(1, 1, 1);
    QVERIFY(!rig.field->solved());
    QVERIFY(rig.messages.requests().isEmpty());
    rig.mark(2, 1, 0);
    QVERIFY(rig.messages.requests().isEmpty());
    rig.messages.answer(platform::Answer::No);
    rig.mark(2, 0, 1);
    QVERIFY(rig.field->solved());
    QCOMPARE(rig.messages.requests().size(), qsizetype(1));
    const auto& m = rig.messages.requests()[0];
    QVERIFY(m.text.startsWith(QStringLiteral("You have solved the puzzle. If you have done this without cheating")));
    QCOMPARE(m.title, QStringLiteral("Puzzle solved"));
    QCOMPARE(m.icon, platform::Icon::Information);
    QCOMPARE(m.buttons, platform::Buttons::YesNo);
    // Pressing a cell that already has the mark asks nothing again.
    rig.mark(2, 0, 1);
    QCOMPARE(rig.messages.requests().size(), qsizetype(1));
    // Breaking and re-solving asks again.
    rig.mark(1, 0, 1);
    rig.messages.answer(platform::Answer::No);
    rig.mark(2, 0, 1);
    QCOMPARE(rig.messages.requests().size(), qsizetype(2));
}

void PlayFieldTest::makerYesAsksToCloseTheWindow()
{
    Rig rig(PlayFieldKind::Maker, {"#"});
    QSignalSpy close(rig.field.get(), &PlayField::closeRequested);
    rig.messages.answer(platform::Answer::No);
    rig.mark(1, 0, 0);
    QCOMPARE(close.count(), 0);
    QCOMPARE(rig.states.cellState(0, 0), 1);
    rig.mark(2, 0, 0);
    rig.messages.answer(platform::Answer::Yes);
    rig.mark(1, 0, 0);
    QCOMPARE(close.count(), 1);
}

void PlayFieldTest::playerGivesTheSolvedMessageOncePerReset()
{
    Rig rig(PlayFieldKind::Player, {"#.", "##"});
    rig.messages.answer(platform::Answer::Ok);
    rig.mark(1, 0, 0);
    rig.mark(1, 0, 1);
    rig.mark(1, 1, 1);
    rig.mark(2, 1, 0);
    QCOMPARE(rig.messages.requests().size(), qsizetype(1));
    QCOMPARE(rig.messages.requests()[0].text, QStringLiteral("You have solved the puzzle."));
    QCOMPARE(rig.messages.requests()[0].buttons, platform::Buttons::Ok);
    QVERIFY(rig.state.SolvedShown);
    rig.mark(1, 0, 0); // dragging over a solved field
    rig.mark(1, 1, 1);
    QCOMPARE(rig.messages.requests().size(), qsizetype(1));
    rig.field->ResetPlayField();
    QVERIFY(!rig.state.SolvedShown);
    rig.messages.answer(platform::Answer::Ok);
    rig.mark(1, 0, 0);
    rig.mark(1, 0, 1);
    rig.mark(1, 1, 1);
    rig.mark(2, 1, 0);
    QCOMPARE(rig.messages.requests().size(), qsizetype(2));
}

void PlayFieldTest::fiftyByFiftyInATinyAreaEndsAtFontFiveCellThree()
{
    Rig rig(PlayFieldKind::Player, {"#"}, false, 120);
    rig.puzzle = test::patternPuzzle(50, 50, [](int x, int y) { return (x + y) % 2 == 0; });
    DerivePlayerClues(rig.puzzle, rig.clues);
    const PlayFieldComposition c = ComposePlayField(*rig.field, 120, 120);
    QCOMPARE(c.fontSize, 5);
    QCOMPARE(c.cellSize, 3);
    QCOMPARE(rig.state.TestCellSize, std::int16_t(3));
    // The panel keeps its natural size though it does not fit.
    QCOMPARE(c.panelSize, QSizeF((25 + 50) * 3 + 2, (25 + 50) * 3));
}

void PlayFieldTest::compositionTakesTheLargestFittingFont()
{
    for (const double area : {150.0, 300.0, 700.0}) {
        Rig rig(PlayFieldKind::Player, {"#.#..", ".....", "#####"}, false, area);
        const int f = rig.composition.fontSize;
        const int span = rig.clues.MaxRowClues + 5, depth = rig.clues.MaxColumnClues + 3;
        QPaintDevice* device = &rig.panel->picture().image();
        const double t = tenWidth(f, device);
        QVERIFY2(f == 5 || (span * t < area && depth * t + 3 < area), qPrintable(QString::number(area)));
        if (f < 72) {
            const double next = tenWidth(f + 1, device);
            QVERIFY(!(span * next < area && depth * next + 3 < area));
        }
        const int s = rig.composition.cellSize;
        QVERIFY(s >= 3 && s <= roundHalfEven(t));
        QVERIFY(span * s <= area && depth * s <= area);
        QCOMPARE(rig.composition.panelSize, QSizeF(area, area));
    }
}

void PlayFieldTest::thickLinesEveryFiveAndAtTheEdges()
{
    Rig rig(PlayFieldKind::Player, {"#..#..#.....", "............"});
    const double k = rig.k();
    const int s = rig.state.TestCellSize;
    const QRectF f = rig.panel->field().rectPoints();
    // Beneath the field the panel holds only its rules: 13 vertical ones.
    const int y = roundHalfEven((f.top() + 0.5 * s) * k);
    auto runs = greyRuns(rig.panelImage(), y);
    QCOMPARE(runs.size(), std::size_t(13));
    for (int j = 0; j <= 12; ++j) {
        const bool thick = j % 5 == 0 || j == 12;
        const int length = runs[static_cast<std::size_t>(j)].second;
        QCOMPARE(runs[static_cast<std::size_t>(j)].first, static_cast<int>(std::floor((f.left() + j * s) * k + 0.5)));
        QVERIFY2(thick ? length >= 2 * rig.dpr() : length <= 1.5 * rig.dpr(),
                 qPrintable(QStringLiteral("rule %1: %2 pixels").arg(j).arg(length)));
    }
    // The horizontal rules run through the row clue area from its left edge.
    const int x = roundHalfEven(0.5 * s * k);
    int thickRows = 0, rules = 0;
    for (int yy = 0; yy < rig.panelImage().height(); ++yy)
        if (isGrey64(rig.panelImage().pixel(x, yy)) && (yy == 0 || !isGrey64(rig.panelImage().pixel(x, yy - 1)))) {
            ++rules;
            int length = 0;
            while (yy + length < rig.panelImage().height() && isGrey64(rig.panelImage().pixel(x, yy + length)))
                ++length;
            thickRows += length >= 2 * rig.dpr();
        }
    QCOMPARE(rules, 3);
    QCOMPARE(thickRows, 2); // i = 0 and i = H
}

void PlayFieldTest::fieldLiesExactlyOverTheGridArea()
{
    Rig rig(PlayFieldKind::Player, {"#..#..#.....", "............"});
    const int s = rig.state.TestCellSize;
    const QRectF f = rig.panel->field().rectPoints();
    QCOMPARE(f.left(), double(rig.clues.MaxRowClues * s));
    QCOMPARE(f.top(), double(rig.clues.MaxColumnClues * s));
    QCOMPARE(f.width(), 12.0 * s + 1);
    QCOMPARE(f.height(), 2.0 * s + 1);
    // The field widget sits on the panel within one logical pixel.
    const double ppp = rig.panel->picture().pixelsPerPoint();
    const QPointF where = QPointF(rig.panel->field().pos()) + rig.panel->field().picture().origin();
    QVERIFY(std::abs(where.x() - f.left() * ppp) < 1e-9);
    QVERIFY(std::abs(where.y() - f.top() * ppp) < 1e-9);
    // Field: thick lines left of columns 0, 5, 10, thin elsewhere.
    const double k = rig.k();
    const QPointF origin = rig.panel->field().picture().origin() * rig.dpr();
    const int y = roundHalfEven(origin.y() + 1.5 * s * k);
    auto runs = greyRuns(rig.fieldImage(), y);
    QCOMPARE(runs.size(), std::size_t(13));
    for (int j = 0; j <= 12; ++j) {
        const bool thick = j % 5 == 0;
        const int length = runs[static_cast<std::size_t>(j)].second;
        if (thick)
            QVERIFY2(length >= 2 * rig.dpr(), qPrintable(QStringLiteral("line %1: %2").arg(j).arg(length)));
        else
            QVERIFY2(length <= 1.5 * rig.dpr(), qPrintable(QStringLiteral("line %1: %2").arg(j).arg(length)));
    }
}

void PlayFieldTest::clueNumberColoursStayReadable_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("yellow") << "YYY" << QColor(192, 192, 0);
    QTest::newRow("aqua") << "AAA" << QColor(0, 192, 192);
    QTest::newRow("red keeps its colour") << "RRR" << QColor(255, 0, 0);
    QTest::newRow("magenta keeps its colour") << "MMM" << QColor(255, 0, 255);
}

void PlayFieldTest::clueNumberColoursStayReadable()
{
    QFETCH(QString, row);
    QFETCH(QColor, expected);
    Rig rig(PlayFieldKind::Player, {row.toStdString(), "..."}, true);
    const QRect cell = rig.field->rowClueCell(0, 0);
    const QImage& image = rig.panelImage();
    int exact = 0, pureYellowOrAqua = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            exact += c == expected;
            pureYellowOrAqua += c.green() > 240 && ((c.red() > 240 && c.blue() < 100) || (c.blue() > 240 && c.red() < 100));
        }
    QVERIFY2(exact > 0, qPrintable(row));
    QCOMPARE(pureYellowOrAqua, 0);
}

void PlayFieldTest::emptyRowShowsOneBlackZeroThatCannotBeCrossedOff()
{
    Rig rig(PlayFieldKind::Player, {"#.#.#", ".....", "##..."});
    QCOMPARE(rig.clues.MaxRowClues, std::int16_t(3));
    const QImage& image = rig.panelImage();
    // Row 1's clue cell next to the field holds black ink, the two left of it none.
    const int s = rig.state.TestCellSize;
    const double k = rig.k();
    const QRectF f = rig.panel->field().rectPoints();
    auto inner = [&](int cellsLeft) {
        return QRect(QPoint(roundHalfEven((f.left() - cellsLeft * s + 1.5) * k), roundHalfEven((f.top() + s + 1.5) * k)),
                     QPoint(roundHalfEven((f.left() - (cellsLeft - 1) * s - 1) * k) - 1,
                            roundHalfEven((f.top() + 2 * s - 1) * k) - 1));
    };
    QVERIFY(countPixels(image, inner(1), [](QRgb p) { return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100; }) > 0);
    QCOMPARE(countPixels(image, inner(2), isInk), 0);
    QCOMPARE(countPixels(image, inner(3), isInk), 0);
    QVERIFY(!rig.field->clueAt(f.left() - 0.5 * s, f.top() + 1.5 * s));
    QVERIFY(rig.field->clueAt(f.left() - 0.5 * s, f.top() + 0.5 * s));
}

void PlayFieldTest::crossingOffGreysTheCellAndASecondPressRestoresIt_data()
{
    QTest::addColumn<bool>("isRow");
    QTest::addColumn<int>("k");
    QTest::newRow("row clue, first run") << true << 0;
    QTest::newRow("row clue, last run") << true << 2;
    QTest::newRow("column clue, first run") << false << 0;
    QTest::newRow("column clue, last run") << false << 1;
}

void PlayFieldTest::crossingOffGreysTheCellAndASecondPressRestoresIt()
{
    QFETCH(bool, isRow);
    QFETCH(int, k);
    Rig rig(PlayFieldKind::Player, {"#.##.#", "#.....", ".....#", "#....."});
    const QRect cell = isRow ? rig.field->rowClueCell(0, k) : rig.field->columnClueCell(0, k);
    const QImage before = rig.panelImage().copy();
    const int ink = countPixels(before, cell, [](QRgb p) { return qRed(p) < 200; });
    QVERIFY(ink > 0);
    const int nearGrey = countPixels(before, cell, isNearCrossGrey);
    isRow ? rig.field->ToggleRowClue(0, k) : rig.field->ToggleColumnClue(0, k);
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
    isRow ? rig.field->ToggleRowClue(0, k) : rig.field->ToggleColumnClue(0, k);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (isNearWhite(before.pixel(x, y)))
                QCOMPARE(rig.panelImage().pixel(x, y), qRgb(255, 255, 255));
}

void PlayFieldTest::pressOnTheCluePanelCrossesOffThroughThePixelMapping()
{
    Rig rig(PlayFieldKind::Player, {"#.##.#", "#.....", ".....#", "#....."});
    const int s = rig.state.TestCellSize;
    const QRectF f = rig.panel->field().rectPoints();
    const double ppp = rig.panel->picture().pixelsPerPoint();
    // Row 0 has three runs; the first stands three cells left of the field.
    const QPointF at((f.left() - 2.5 * s) * ppp, (f.top() + 0.5 * s) * ppp);
    QTest::mouseClick(rig.panel, Qt::LeftButton, {}, at.toPoint());
    QVERIFY(countPixels(rig.panelImage(), rig.field->rowClueCell(0, 0), isCrossGrey) > 0);
    QCOMPARE(countPixels(rig.panelImage(), rig.field->rowClueCell(0, 1), isCrossGrey), 0);
    // Column 5 has two runs; its last stands right above the field.
    const QPointF above((f.left() + 5.5 * s) * ppp, (f.top() - 0.5 * s) * ppp);
    QTest::mouseClick(rig.panel, Qt::RightButton, {}, above.toPoint());
    QVERIFY(countPixels(rig.panelImage(), rig.field->columnClueCell(5, 1), isCrossGrey) > 0);
    // The middle button does nothing; the corner above the row clues neither.
    QTest::mouseClick(rig.panel, Qt::MiddleButton, {}, at.toPoint());
    QVERIFY(countPixels(rig.panelImage(), rig.field->rowClueCell(0, 0), isCrossGrey) > 0);
    const QImage before = rig.panelImage().copy();
    QTest::mouseClick(rig.panel, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(rig.panelImage(), before);
}

void PlayFieldTest::resetRestoresNumbersMarksAndButtons()
{
    Rig rig(PlayFieldKind::Player, {"#.##.#", "#.....", ".....#", "#....."});
    rig.field->ToggleRowClue(0, 1);
    rig.field->ToggleColumnClue(5, 0);
    rig.chooser->choose(1, 0);
    rig.chooser->choose(2, 4);
    rig.mark(2, 3, 3);
    QCOMPARE(rig.states.cellState(3, 3), 4);
    rig.field->ResetPlayField();
    QCOMPARE(countPixels(rig.panelImage(), rig.panelImage().rect(), isCrossGrey), 0);
    QCOMPARE(rig.states.cellState(3, 3), 0);
    QCOMPARE(rig.state.ButtonMark[0], 1);
    QCOMPARE(rig.state.ButtonMark[1], 2);
    const double k = rig.k();
    const QPointF origin = rig.panel->field().picture().origin() * rig.dpr();
    const QPointF centre = origin + rig.cellCentre(3, 3) * k;
    QCOMPARE(rig.fieldImage().pixelColor(centre.toPoint()), rig.chooser->swatchColour(0));
}

void PlayFieldTest::blackAndWhiteChooserOffersThreeSwatches()
{
    std::array<std::uint8_t, 2> choice{{1, 2}};
    ColourChooser chooser(ChooserKind::PlayField, choice, 20);
    chooser.setVisibleSwatches(3);
    chooser.press(1, 3.5 * 20);
    QCOMPARE(choice[0], 1);
    chooser.press(1, 2 * 20); // exactly on the border between 1 and 2
    QCOMPARE(choice[0], 2);
    chooser.press(2, 0.5 * 20);
    QCOMPARE(choice[1], 0);
    chooser.press(2, -1);
    QCOMPARE(choice[1], 0);
}

void PlayFieldTest::draggingOnTheStripMovesTheChoiceAndItsMarker()
{
    std::array<std::uint8_t, 2> choice{{1, 2}};
    QWidget window;
    ColourChooser chooser(ChooserKind::PlayField, choice, 20, &window);
    QWidget* strip = chooser.childAt(chooser.width() / 2, chooser.height() / 2);
    QVERIFY(strip);
    QTest::mousePress(strip, Qt::RightButton, {}, QPoint(10, 30));
    for (int y = 30; y <= 90; y += 10) {
        QMouseEvent move(QEvent::MouseMove, QPointF(10, y), strip->mapToGlobal(QPointF(10, y)), Qt::NoButton,
                         Qt::RightButton, {});
        QCoreApplication::sendEvent(strip, &move);
    }
    QCOMPARE(choice[1], 4);
    QCOMPARE(choice[0], 1);
    QCOMPARE(chooser.markerY(2), 90);
    // Both buttons held (3) choose nothing.
    QMouseEvent both(QEvent::MouseMove, QPointF(10, 150), strip->mapToGlobal(QPointF(10, 150)), Qt::NoButton,
                     Qt::LeftButton | Qt::RightButton, {});
    QCoreApplication::sendEvent(strip, &both);
    QCOMPARE(choice[0], 1);
    QCOMPARE(choice[1], 4);
}

void PlayFieldTest::unmarkedLookComesFromTheStripPicture()
{
    std::array<std::uint8_t, 2> choice{{1, 2}};
    ColourChooser chooser(ChooserKind::PlayField, choice, 20);
    QCOMPARE(chooser.swatchColour(0), QColor(Qt::white));
    QCOMPARE(chooser.swatchColour(1), QColor(Qt::black));
    QCOMPARE(chooser.swatchColour(5), QColor(255, 255, 0));
    QTemporaryDir folder;
    QImage look(30, 30, QImage::Format_RGB32);
    look.fill(QColor(230, 226, 200));
    look.setPixelColor(0, 0, Qt::red); // only (1, 1) counts
    QVERIFY(look.save(folder.filePath(QStringLiteral("hamworst.dat")), "BMP"));
    chooser.paintSwatches(folder.path());
    QCOMPARE(chooser.swatchColour(0), look.pixelColor(1, 1));
    QCOMPARE(chooser.swatchColour(2), QColor(Qt::white));
    std::array<std::uint8_t, 2> mainChoice{{0, 1}};
    ColourChooser mainStrip(ChooserKind::MakerMain, mainChoice, 20);
    QCOMPARE(mainStrip.swatchColour(0), QColor(Qt::black));
    QCOMPARE(mainStrip.swatchColour(7), QColor(0, 255, 255));
}

QTEST_MAIN(PlayFieldTest)
#include "playfield_test.moc"
