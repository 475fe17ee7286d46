#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "PrintTestKit.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"
#include "playfield/TestWindow.h"

using namespace gw;

namespace {

// Line logic solves it: the full rows and columns fix everything else.
const char* const Frame = "#####/#...#/#.#.#/#...#/#####";
// Stands for a 24 x 12 drawing on which the computer test runs into its limits.
const char* const Mixed = "";

// The test window beside the print dialog, composed by it as in the program.
struct Maker : test::PrintRig {
    PageLayout lastLayout;
    TestWindow test {puzzle, session, clues, platform, [this](CluePanel& panel, QSizeF area) {
                         lastLayout = print.composeForTest(panel, area);
                         return lastLayout.cellSize;
                     }};

    explicit Maker(const std::string& rows)
        : PrintRig(rows.empty() ? test::patternPuzzle(
                       24, 12, [](int x, int y) { return (x + y) % 6 == 0 || (x * 7 + y * 3) % 11 == 0; })
                                : test::puzzleFromText(rows))
    {
        test.open();
    }
    void mark(int button, int x, int y)
    {
        const double s = test.state().cellSize;
        test.playField().fieldMouse(button, (x + 0.5) * s, (y + 0.5) * s);
    }
    std::string row(int y)
    {
        std::string line;
        for (int x = 0; x < puzzle.PuzzleWidth; ++x)
            line += "?#."[std::min<int>(test.knowledge().state(x, y), 2)];
        return line;
    }
    bool idle() const
    {
        return !test.testRunning() && test.startButton()->isEnabled() && !test.stopButton()->isEnabled()
               && test.resetButton()->isEnabled() && !fake.busy.busy();
    }
};

} // namespace

class TestWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void fieldCoversTheGridOfTheComposedPanel();
    void openingAgainGivesAFreshField();
    void computerTestEndings_data();
    void computerTestEndings();
    void interruptingTheRunningTest_data();
    void interruptingTheRunningTest();
    void titleTypedInThePrintDialogSurvivesTheTestWindow();
};

void TestWindowTest::fieldCoversTheGridOfTheComposedPanel()
{
    Maker m("#.#..#.#.#.#/############/#..........#");
    const int s = m.test.state().cellSize;
    QCOMPARE(s, m.lastLayout.cellSize);
    const int r = m.clues.maxRowClues, c = m.clues.maxColumnClues;
    QCOMPARE(m.test.cluePanel()->field().rectPoints(), QRectF(r * s, c * s, 12 * s + 1, 3 * s + 1));
    QVERIFY((r + 12) * s <= m.test.compositionArea().width() || s == 3);
    // No title line and no footer: the panel ends with the grid.
    QCOMPARE(m.test.cluePanel()->picture().sizePoints(), QSizeF((r + 12) * s + 2, (c + 3) * s));
    QCOMPARE(m.test.colorChooser()->visibleSwatches(), 3);
    QCOMPARE(Maker("RB./YGA").test.colorChooser()->visibleSwatches(), 9);
}

void TestWindowTest::openingAgainGivesAFreshField()
{
    Maker m(Frame);
    m.test.colorChooser()->choose(2, 1);
    m.mark(1, 1, 0);
    m.mark(2, 0, 0);
    QCOMPARE(m.row(0), std::string("##???"));
    m.test.cluePanel()->picture().image().setPixelColor(0, 0, QColor(128, 128, 128));
    m.test.open();
    QCOMPARE(m.row(0), std::string("?????"));
    QCOMPARE(m.test.cluePanel()->picture().image().pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(m.test.state().buttonMarks[0], 1);
    QCOMPARE(m.test.state().buttonMarks[1], 2);
}

void TestWindowTest::computerTestEndings_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("firstRow"); // the field's row 0 afterwards; empty: not looked at
    const QString solved = QStringLiteral(
        "The computer test is able to solve the puzzle. Your puzzle is good. Close the Test window now?");
    const QString stuck = QStringLiteral("The computer can't solve the puzzle any further.");
    const int yes = int(platform::Answer::Yes), no = int(platform::Answer::No), ok = int(platform::Answer::Ok);
    QTest::newRow("solved, yes closes the window") << Frame << yes << solved << "";
    QTest::newRow("solved, no shows the solution") << Frame << no << solved << "#####";
    QTest::newRow("all white") << "..././..." << no << solved << "...";
    QTest::newRow("stuck") << "#./.#" << ok << stuck << "??";
    QTest::newRow("memory limits") << Mixed << ok << stuck.chopped(1) + QStringLiteral(" because of a memory problem.")
                                   << "";
}

void TestWindowTest::computerTestEndings()
{
    QFETCH(QString, rows);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(QString, firstRow);
    Maker m(rows.toStdString());
    m.fake.messages.answer(platform::Answer(answer));
    m.test.startButton()->click();
    QVERIFY(QTest::qWaitFor([&] { return !m.test.testRunning() && !m.test.driver().isBusy(); }, 120000));
    QCOMPARE(m.fake.messages.texts(), QStringList {message});
    const bool solved = answer != int(platform::Answer::Ok);
    QCOMPARE(m.fake.messages.requests()[0].title,
             solved ? QStringLiteral("Puzzle solved") : QStringLiteral("Puzzle not solved"));
    QCOMPARE(m.fake.messages.requests()[0].buttons, solved ? platform::Buttons::YesNo : platform::Buttons::Ok);
    QVERIFY(m.idle());
    QCOMPARE(m.test.isHidden(), answer == int(platform::Answer::Yes));
    if (firstRow.isEmpty())
        return;
    QCOMPARE(QString::fromStdString(m.row(0)), firstRow);
    // The painted field agrees with the knowledge.
    const PointImage& field = m.test.cluePanel()->field().picture();
    const QPointF centre =
        field.origin() * field.dpr() + QPointF(0.5, 0.5) * m.test.state().cellSize * field.devicePixelsPerPoint();
    QCOMPARE(field.image().pixelColor(centre.toPoint()),
             firstRow[0] == QLatin1Char('#') ? QColor(Qt::black) : QColor(Qt::white));
}

void TestWindowTest::interruptingTheRunningTest_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("stop button") << "stop";
    QTest::newRow("marking stops first, then marks") << "mark";
    QTest::newRow("reset stops first, then clears") << "reset";
    QTest::newRow("closing stops and hides") << "close";
}

void TestWindowTest::interruptingTheRunningTest()
{
    QFETCH(QString, how);
    Maker m(Mixed);
    m.test.startTest();
    QVERIFY(m.test.testRunning() && m.fake.busy.busy());
    QVERIFY(m.test.stopButton()->isEnabled() && !m.test.startButton()->isEnabled()
            && !m.test.resetButton()->isEnabled());
    QTest::qWait(20);
    if (how == QLatin1String("stop"))
        m.test.stopButton()->click();
    else if (how == QLatin1String("mark"))
        m.mark(1, 3, 2);
    else if (how == QLatin1String("reset"))
        m.test.resetField();
    else
        QVERIFY(!m.test.close());
    QVERIFY(m.idle());
    QVERIFY(m.fake.messages.requests().isEmpty());
    QCOMPARE(m.test.isHidden(), how == QLatin1String("close"));
    if (how == QLatin1String("stop") || how == QLatin1String("mark"))
        QCOMPARE(m.test.statusText(), QStringLiteral("Test stopped."));
    if (how == QLatin1String("mark"))
        QCOMPARE(m.row(2)[3], '#');
    for (int y = 0; y < 12 && how == QLatin1String("reset"); ++y)
        QCOMPARE(m.row(y), std::string(24, '?'));
}

void TestWindowTest::titleTypedInThePrintDialogSurvivesTheTestWindow()
{
    Maker m(Frame);
    m.puzzle.PuzzleName = "smiley";
    m.print.open();
    m.print.titleEdit()->setText(QStringLiteral("Happy"));
    m.test.open();
    QCOMPARE(m.puzzle.PuzzleTitle, std::string("Happy"));
    QCOMPARE(m.print.titleEdit()->text(), QStringLiteral("Happy"));
    QVERIFY(m.print.automaticSizeButton()->isChecked());
}

QTEST_MAIN(TestWindowTest)
#include "testwindow_test.moc"
