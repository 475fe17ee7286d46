#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/testing/FakePlatform.h"
#include "playfield/CluePanel.h"
#include "playfield/ColourChooser.h"
#include "playfield/TestForm.h"
#include "playfield/tests/TestSupport.h"
#include "print/PrintFormX.h"

using namespace gw;

namespace {

// The maker's two secondary windows on one puzzle, as the program wires them.
struct Maker {
    platform::testing::FakePlatform fake;
    platform::Platform platform{fake.platform()};
    Puzzle puzzle;
    ClueTables clues;
    std::unique_ptr<PrintFormX> print;
    std::unique_ptr<TestForm> test;
    PageLayout lastLayout;

    template <typename Rows>
    explicit Maker(const Rows& rows, bool colour = false) : puzzle(test::puzzleFromRowList(rows, colour))
    {
        print = std::make_unique<PrintFormX>(puzzle, clues, platform);
        test = std::make_unique<TestForm>(puzzle, clues, platform, [this](CluePanel& panel, QSizeF area) {
            lastLayout = print->composeForTest(panel, area);
            return lastLayout.cellSize;
        });
    }
    Maker(std::initializer_list<std::string> rows, bool colour = false) : Maker(std::vector<std::string>(rows), colour) {}

    void mark(int button, int x, int y)
    {
        const double s = test->state().TestCellSize;
        test->playField().fieldMouse(button, (x + 0.5) * s, (y + 0.5) * s);
    }
    std::string row(int y) const
    {
        std::string line;
        for (int x = 0; x < puzzle.PuzzleWidth; ++x) {
            const int v = test->knowledge().state(x, y);
            line += v == 0 ? '?' : v == 1 ? '#' : v == 2 ? '.' : char('0' + v);
        }
        return line;
    }
    bool idle() const
    {
        return !test->TimerNieuw->isActive() && test->cmdStartTest->isEnabled() && !test->cmdStopTest->isEnabled()
               && test->cmdClear->isEnabled() && !fake.busy.busy();
    }
    // Waits until the computer test has ended and its message was asked.
    bool waitForEnd(int ms = 30000)
    {
        return QTest::qWaitFor([&] { return !test->TimerNieuw->isActive() && !test->driver().isBusy(); }, ms);
    }
};

std::vector<std::string> mixedLimitsPuzzle()
{
    std::vector<std::string> rows;
    for (int y = 0; y < 12; ++y) {
        std::string line(24, '.');
        for (int x = 0; x < 24; ++x)
            if ((x + y) % 6 == 0 || (x * 7 + y * 3) % 11 == 0)
                line[static_cast<std::size_t>(x)] = '#';
        rows.push_back(line);
    }
    return rows;
}

// Line logic solves it: the full rows and columns fix everything else.
const std::initializer_list<std::string> Frame = {"#####", "#...#", "#.#.#", "#...#", "#####"};

} // namespace

class TestWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void fieldCoversTheGridOfTheComposedPanel();
    void openingTwiceGivesAFreshFieldAndBlackWhiteButtons();
    void chooserShowsThreeOrNineSwatches();
    void handSolvingAsksAndYesHidesTheWindow();
    void computerTestSolves();
    void computerTestSolvedAnsweredNoLeavesTheFieldVisible();
    void computerTestGetsStuck();
    void computerTestRunsOutOfMemoryLimits();
    void allWhitePuzzleIsSolvedInTheFirstSweep();
    void statusTextsNumberLinesFromOne();
    void stopButtonStopsTheTest();
    void resetWhileRunningStopsFirst();
    void closingWhileRunningStopsAndHides();
    void markingWhileRunningStopsTheTestThenMarks();
    void titleTypedInThePrintDialogSurvivesTheTestWindow();
};

void TestWindowTest::fieldCoversTheGridOfTheComposedPanel()
{
    Maker m({"#.#..#.#.#.#", "############", "#..........#"});
    m.test->ToonTestForm();
    const int s = m.test->state().TestCellSize;
    QCOMPARE(s, m.lastLayout.cellSize);
    QVERIFY(s >= 3);
    const QRectF f = m.test->Picture1->field().rectPoints();
    QCOMPARE(f, QRectF(m.clues.MaxRowClues * s, m.clues.MaxColumnClues * s, 12 * s + 1, 3 * s + 1));
    const QSizeF area = m.test->compositionArea();
    QVERIFY(area.width() > 0 && area.height() > 0);
    QVERIFY((m.clues.MaxRowClues + 12) * s <= area.width() || s == 3);
    // Grey rules beneath the field, no title and no footer.
    QCOMPARE(m.lastLayout.titleHeight, 0.0);
    QCOMPARE(m.test->Picture1->picture().sizePoints(), QSizeF((m.clues.MaxRowClues + 12) * s + 2, (m.clues.MaxColumnClues + 3) * s));
}

void TestWindowTest::openingTwiceGivesAFreshFieldAndBlackWhiteButtons()
{
    Maker m(Frame);
    m.test->ToonTestForm();
    QVERIFY(m.test->isVisible());
    m.test->KiezerL->choose(1, 4); // beyond the three swatches of black and white: ignored
    m.test->KiezerL->choose(2, 1);
    m.mark(1, 1, 0);
    m.mark(2, 0, 0);
    QCOMPARE(m.test->knowledge().state(1, 0), 1);
    QCOMPARE(m.test->knowledge().state(0, 0), 1);
    m.test->Picture1->picture().image().setPixelColor(0, 0, QColor(128, 128, 128));
    m.test->ToonTestForm();
    QCOMPARE(m.row(0), std::string("?????"));
    QCOMPARE(m.test->Picture1->picture().image().pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(m.test->state().ButtonMark[0], 1);
    QCOMPARE(m.test->state().ButtonMark[1], 2);
    QVERIFY(m.test->statusText().isEmpty());
}

void TestWindowTest::chooserShowsThreeOrNineSwatches()
{
    Maker bw(Frame);
    bw.test->ToonTestForm();
    QCOMPARE(bw.test->KiezerL->visibleSwatches(), 3);
    Maker colour({"RB.", "YGA"}, true);
    colour.test->ToonTestForm();
    QCOMPARE(colour.test->KiezerL->visibleSwatches(), 9);
}

void TestWindowTest::handSolvingAsksAndYesHidesTheWindow()
{
    Maker m({"#.", ".#"});
    m.test->ToonTestForm();
    m.mark(1, 0, 0);
    m.mark(1, 1, 1);
    m.mark(2, 1, 0);
    m.fake.messages.answer(platform::Answer::Yes);
    m.mark(2, 0, 1);
    QCOMPARE(m.fake.messages.requests().size(), qsizetype(1));
    QCOMPARE(m.fake.messages.requests()[0].buttons, platform::Buttons::YesNo);
    QVERIFY(m.test->isHidden());
}

void TestWindowTest::computerTestSolves()
{
    Maker m(Frame);
    m.test->ToonTestForm();
    m.fake.messages.answer(platform::Answer::Yes);
    m.test->cmdStartTest->click();
    QVERIFY(m.fake.busy.timesShown() >= 1);
    QVERIFY(m.waitForEnd());
    QCOMPARE(m.fake.messages.requests().size(), qsizetype(1));
    const auto& asked = m.fake.messages.requests()[0];
    QCOMPARE(asked.text, QStringLiteral("The computer test is able to solve the puzzle. Your puzzle is good. Close the Test window now?"));
    QCOMPARE(asked.title, QStringLiteral("Puzzle solved"));
    QCOMPARE(asked.buttons, platform::Buttons::YesNo);
    QCOMPARE(m.test->statusText(), QStringLiteral("Test finished."));
    QVERIFY(m.idle());
    QVERIFY(m.test->isHidden());
}

void TestWindowTest::computerTestSolvedAnsweredNoLeavesTheFieldVisible()
{
    Maker m(Frame);
    m.test->ToonTestForm();
    m.fake.messages.answer(platform::Answer::No);
    m.test->startTest();
    QVERIFY(m.waitForEnd());
    QVERIFY(m.test->isVisible());
    QCOMPARE(m.row(0), std::string("#####"));
    QCOMPARE(m.row(2), std::string("#.#.#"));
    // The painted field agrees with the knowledge: cell (1, 0) is black.
    const FieldWidget& field = m.test->Picture1->field();
    const double k = field.picture().devicePixelsPerPoint();
    const QPointF centre = field.picture().origin() * field.picture().dpr()
                           + QPointF(1.5, 0.5) * m.test->state().TestCellSize * k;
    QCOMPARE(field.picture().image().pixelColor(centre.toPoint()), QColor(Qt::black));
}

void TestWindowTest::computerTestGetsStuck()
{
    Maker m({"#.", ".#"});
    m.test->ToonTestForm();
    m.fake.messages.answer(platform::Answer::Ok);
    m.test->startTest();
    QVERIFY(m.waitForEnd());
    QCOMPARE(m.fake.messages.texts(), QStringList{QStringLiteral("The computer can't solve the puzzle any further.")});
    QCOMPARE(m.fake.messages.requests()[0].title, QStringLiteral("Puzzle not solved"));
    QCOMPARE(m.row(0), std::string("??"));
    QVERIFY(m.idle());
    QVERIFY(m.test->isVisible());
}

void TestWindowTest::computerTestRunsOutOfMemoryLimits()
{
    Maker m(mixedLimitsPuzzle());
    m.test->ToonTestForm();
    m.fake.messages.answer(platform::Answer::Ok);
    m.test->startTest();
    QVERIFY(m.waitForEnd(120000));
    QCOMPARE(m.fake.messages.texts(),
             QStringList{QStringLiteral("The computer can't solve the puzzle any further because of a memory problem.")});
    QVERIFY(m.idle());
}

void TestWindowTest::allWhitePuzzleIsSolvedInTheFirstSweep()
{
    Maker m({"...", "..."});
    m.test->ToonTestForm();
    m.fake.messages.answer(platform::Answer::No);
    m.test->startTest();
    QVERIFY(m.waitForEnd());
    QCOMPARE(m.fake.messages.requests().size(), qsizetype(1));
    QCOMPARE(m.row(1), std::string("..."));
    QCOMPARE(m.test->driver().sweeps(), 1);
}

void TestWindowTest::statusTextsNumberLinesFromOne()
{
    Maker m(Frame);
    m.test->ToonTestForm();
    QStringList seen;
    m.test->startTest();
    // Step by hand: the timer is stopped so that every tick's text can be read.
    m.test->TimerNieuw->stop();
    while (m.test->driver().isStepping()) {
        m.test->driver().tick();
        seen << m.test->statusText();
        if (seen.size() > 200)
            break;
    }
    QVERIFY(seen.contains(QStringLiteral("The computer test is comparing possibilities for row 1.")));
    QVERIFY(seen.contains(QStringLiteral("The computer test is comparing possibilities for column 5.")));
    for (const QString& s : seen)
        QVERIFY2(!s.contains(QStringLiteral(" .")) && !s.contains(QStringLiteral("  ")), qPrintable(s));
    QVERIFY(!m.test->driver().isStepping());
    m.fake.messages.answer(platform::Answer::No);
    m.test->stopTest(); // shows the solved question the stepping produced
}

void TestWindowTest::stopButtonStopsTheTest()
{
    Maker m(mixedLimitsPuzzle());
    m.test->ToonTestForm();
    QVERIFY(!m.test->cmdStopTest->isEnabled());
    m.test->startTest();
    QVERIFY(m.test->TimerNieuw->isActive());
    QVERIFY(m.test->cmdStopTest->isEnabled());
    QVERIFY(!m.test->cmdStartTest->isEnabled());
    QVERIFY(!m.test->cmdClear->isEnabled());
    m.test->cmdStopTest->click();
    QVERIFY(m.idle());
    QCOMPARE(m.test->statusText(), QStringLiteral("Test stopped."));
    QVERIFY(m.fake.messages.requests().isEmpty());
}

void TestWindowTest::resetWhileRunningStopsFirst()
{
    Maker m(mixedLimitsPuzzle());
    m.test->ToonTestForm();
    m.test->startTest();
    QTest::qWait(20);
    m.test->resetClicked();
    QVERIFY(m.idle());
    for (int y = 0; y < 12; ++y)
        QCOMPARE(m.row(y), std::string(24, '?'));
}

void TestWindowTest::closingWhileRunningStopsAndHides()
{
    Maker m(mixedLimitsPuzzle());
    m.test->ToonTestForm();
    m.test->startTest();
    QTest::qWait(20);
    QVERIFY(!m.test->close());
    QVERIFY(m.test->isHidden());
    QVERIFY(m.idle());
    QVERIFY(m.test->driver().StopTest());
    m.test->ToonTestForm();
    QCOMPARE(m.row(0), std::string(24, '?'));
    m.test->setProgramClosing(true);
    QVERIFY(m.test->close());
}

void TestWindowTest::markingWhileRunningStopsTheTestThenMarks()
{
    Maker m(mixedLimitsPuzzle());
    m.test->ToonTestForm();
    m.test->startTest();
    QVERIFY(m.test->TimerNieuw->isActive());
    m.mark(1, 3, 2);
    QVERIFY(m.idle());
    QCOMPARE(m.test->statusText(), QStringLiteral("Test stopped."));
    QCOMPARE(m.test->knowledge().state(3, 2), 1);
}

void TestWindowTest::titleTypedInThePrintDialogSurvivesTheTestWindow()
{
    Maker m(Frame);
    m.puzzle.PuzzleName = "smiley";
    m.print->open();
    m.print->txtTitel->setText(QStringLiteral("Happy"));
    m.test->ToonTestForm();
    QCOMPARE(m.puzzle.PuzzleTitle, std::string("Happy"));
    QCOMPARE(m.print->txtTitel->text(), QStringLiteral("Happy"));
    QVERIFY(m.print->Option3->isChecked());
}

QTEST_MAIN(TestWindowTest)
#include "testwindow_test.moc"
