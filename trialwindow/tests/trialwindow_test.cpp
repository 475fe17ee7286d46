#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "core/Rounding.h"
#include "playfield/ClueDrawing.h"
#include "playfield/CluePanel.h"
#include "playfield/ColorChooser.h"
#include "playfield/tests/PlayFieldRig.h"
#include "print/tests/PrintTestKit.h"
#include "trialwindow/TrialWindow.h"

using namespace gw;

namespace {

// Line logic solves it: the full rows and columns fix everything else.
const char* const Frame = "#####/#...#/#.#.#/#...#/#####";
// Stands for a 24 x 12 drawing on which the computer test runs into its limits.
const char* const Mixed = "";

// The test window beside the print dialog, composed by it as in the program
// (in `area` points instead of the screen's when given).
struct Maker : test::PrintRig {
    PageLayout lastLayout;
    QSizeF area;
    TrialWindow test {puzzle, session, clues, platform, [this](CluePanel& panel, QSizeF screenArea) {
                          lastLayout = print.composeForTest(panel, area.isEmpty() ? screenArea : area);
                          return lastLayout.cellSize;
                      }};

    explicit Maker(const std::string& rows, QSizeF composedIn = {})
        : PrintRig(rows.empty() ? test::patternPuzzle(
                       24, 12, [](int x, int y) { return (x + y) % 6 == 0 || (x * 7 + y * 3) % 11 == 0; })
                                : test::puzzleFromText(rows)),
          area(composedIn)
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
        for (int x = 0; x < puzzle.width; ++x)
            line += "?#."[std::min<int>(test.knowledge().state(x, y), 2)];
        return line;
    }
    bool idle() const
    {
        return !test.testRunning() && test.startButton()->isEnabled() && !test.stopButton()->isEnabled()
               && test.resetButton()->isEnabled() && !fake.busy.busy();
    }
};

// The clue panel of the maker's test window or of the player, composed for
// `rows` in `area` x `area` points.
struct EitherPanel {
    std::unique_ptr<Maker> maker;
    std::unique_ptr<test::PlayFieldRig> player;
    EitherPanel(bool isMaker, const QString& rows, double area)
    {
        if (isMaker)
            maker = std::make_unique<Maker>(rows.toStdString(), QSizeF(area, area));
        else
            player = std::make_unique<test::PlayFieldRig>(PlayFieldKind::Player, rows.toStdString(), area);
    }
    PlayField& field() { return maker ? maker->test.playField() : *player->field; }
    CluePanel& panel() { return field().panel(); }
    QImage& picture() { return panel().picture().image(); }
    int fontSize() const { return maker ? maker->lastLayout.clueFontSize : player->composition.fontSize; }
    void reset() { maker ? maker->test.resetField() : player->field->reset(); }
    // Crosses off (or restores) every clue number.
    void toggleEveryNumber()
    {
        const ClueTables& c = field().clues();
        for (int y = 0; y < field().puzzle().height; ++y)
            for (int k = 0; k < c.rows[std::size_t(y)].count; ++k)
                field().toggleRowClue(y, k);
        for (int x = 0; x < field().puzzle().width; ++x)
            for (int k = 0; k < c.columns[std::size_t(x)].count; ++k)
                field().toggleColumnClue(x, k);
    }
};

} // namespace

class TrialWindowTest : public QObject {
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
    void outerEdgesLookLikeTheLeftAndTopOnes_data();
    void outerEdgesLookLikeTheLeftAndTopOnes();
    void crossingOffAndResetGiveBackEveryPixel_data();
    void crossingOffAndResetGiveBackEveryPixel();
};

void TrialWindowTest::fieldCoversTheGridOfTheComposedPanel()
{
    Maker m("#.#..#.#.#.#/############/#..........#");
    const int s = m.test.state().cellSize;
    QCOMPARE(s, m.lastLayout.cellSize);
    const int r = m.clues.maxRowClues, c = m.clues.maxColumnClues;
    QCOMPARE(m.test.cluePanel()->field().rectPoints(), QRectF(r * s, c * s, 12 * s + 1, 3 * s + 1));
    QVERIFY((r + 12) * s + 2 <= m.test.compositionArea().width() || s == 3);
    // No title line and no footer: the panel ends with the grid's bottom edge.
    QCOMPARE(m.test.cluePanel()->picture().sizePoints(), QSizeF((r + 12) * s + 2, (c + 3) * s + 2));
    QCOMPARE(m.test.colorChooser()->visibleSwatches(), 3);
    QCOMPARE(Maker("RB./YGA").test.colorChooser()->visibleSwatches(), 9);
}

void TrialWindowTest::openingAgainGivesAFreshField()
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

void TrialWindowTest::computerTestEndings_data()
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
    QTest::newRow("stuck") << "#./.#" << ok << stuck << "??";
    QTest::newRow("memory limits") << Mixed << ok << stuck.chopped(1) + QStringLiteral(" because of a memory problem.")
                                   << "";
}

void TrialWindowTest::computerTestEndings()
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

void TrialWindowTest::interruptingTheRunningTest_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("stop button") << "stop";
    QTest::newRow("marking stops first, then marks") << "mark";
    QTest::newRow("reset stops first, then clears") << "reset";
    QTest::newRow("closing stops and hides") << "close";
}

void TrialWindowTest::interruptingTheRunningTest()
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

void TrialWindowTest::titleTypedInThePrintDialogSurvivesTheTestWindow()
{
    Maker m(Frame);
    m.puzzle.name = "smiley";
    m.print.open();
    m.print.titleEdit()->setText(QStringLiteral("Happy"));
    m.test.open();
    QCOMPARE(m.puzzle.title, std::string("Happy"));
    QCOMPARE(m.print.titleEdit()->text(), QStringLiteral("Happy"));
    QVERIFY(m.print.automaticSizeButton()->isChecked());
}

void TrialWindowTest::outerEdgesLookLikeTheLeftAndTopOnes_data()
{
    QTest::addColumn<bool>("maker");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("across"); // the rules met walking right through row 0 ('T' thick, '.' thin)
    QTest::addColumn<QString>("down");   // and walking down through column 0
    const QString sevenByEleven = QStringLiteral("##..###/#.#.#.#/#.#.#.#/##..###/#.#.#.#/#.#.#.#/##..###/#.#.#.#/"
                                                 "#.#.#.#/##..###/#.#.#.#");
    for (const bool maker : {true, false}) {
        // Regressions: the maker's panel cut off the bottom edge, and in both
        // programs the field's last point whitened the right (and the
        // player's bottom) edge into a thin or a double line.
        const char* program = maker ? "maker" : "player";
        QTest::addRow("%s, 12 x 2", program) << maker << "#..#..#...../............"
                                             << "T....T....T.T"
                                             << "T.T";
        QTest::addRow("%s, 5 x 5", program) << maker << "..#../..#../#####/..#../..#.."
                                            << "T....T"
                                            << "T....T";
        QTest::addRow("%s, 7 x 11", program) << maker << sevenByEleven << "T....T.T"
                                             << "T....T....TT";
    }
}

void TrialWindowTest::outerEdgesLookLikeTheLeftAndTopOnes()
{
    QFETCH(bool, maker);
    QFETCH(QString, rows);
    QFETCH(QString, across);
    QFETCH(QString, down);
    EitherPanel p(maker, rows, 400);
    const QImage shown = p.panel().grab().toImage(); // the panel with the field over it
    const double k = p.panel().picture().devicePixelsPerPoint(), dpr = p.panel().picture().dpr();
    const QRectF f = p.panel().field().rectPoints();
    const double half = 0.5 * p.field().state().cellSize;
    auto at = [&](double x, double y) { return QPoint(roundHalfEven(x * k), roundHalfEven(y * k)); };
    QCOMPARE(test::greyRules(shown, at(f.left() - half, f.top() + half), QPoint(1, 0), dpr).marks, across);
    QCOMPARE(test::greyRules(shown, at(f.left() + half, f.top() - half), QPoint(0, 1), dpr).marks, down);
}

void TrialWindowTest::crossingOffAndResetGiveBackEveryPixel_data()
{
    QTest::addColumn<bool>("maker");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<double>("area");
    QTest::addColumn<int>("font"); // the clue size the composition must choose
    QString colorful, blackAndWhite;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            colorful += QLatin1Char("RBYGMA#."[(x * 3 + y * 5 + x * y) % 8]);
            blackAndWhite += QLatin1Char(".#"[(x * x + y) % 3 == 0]);
        }
        colorful += QLatin1Char('/');
        blackAndWhite += QLatin1Char('/');
    }
    colorful.chop(1);
    blackAndWhite.chop(1);
    // Just too small for 6 points: "10 " at 6 points times the longer side.
    auto fiveOnly = [](const QString& rows) {
        Puzzle puzzle = test::puzzleFromText(rows.toStdString());
        ClueTables clues;
        deriveClues(puzzle, clues);
        const int side = std::max(clues.maxRowClues + puzzle.width, clues.maxColumnClues + puzzle.height);
        return PanelEdge + side * tenWidth(6, nullptr);
    };
    for (const bool maker : {true, false}) {
        const char* program = maker ? "maker" : "player";
        QTest::addRow("%s, 72 pt, black and white", program) << maker << "#./.#" << 400.0 << 72;
        QTest::addRow("%s, 72 pt, colour", program) << maker << "RB/YA" << 450.0 << 72;
        QTest::addRow("%s, 5 pt, black and white", program) << maker << blackAndWhite << fiveOnly(blackAndWhite) << 5;
        QTest::addRow("%s, 5 pt, colour", program) << maker << colorful << fiveOnly(colorful) << 5;
    }
}

void TrialWindowTest::crossingOffAndResetGiveBackEveryPixel()
{
    // Regression: antialiased digits lost their edge pixels near grey 128 to
    // the crossing-off toggle, and neither restoring nor Reset gave them back.
    QFETCH(bool, maker);
    QFETCH(QString, rows);
    QFETCH(double, area);
    QFETCH(int, font);
    EitherPanel p(maker, rows, area);
    QCOMPARE(p.fontSize(), font);
    const QImage drawn = p.picture().copy();
    // Every digit is solid: the clue areas hold white, the rules and the
    // numbers' own colours only.
    QSet<QRgb> inks {qRgb(255, 255, 255), qRgb(64, 64, 64)};
    for (int i = 0; i <= 8; ++i)
        inks << (readableClueColor(p.field().stateColor(i)).rgb() | 0xff000000u);
    const QPointF grid = p.panel().field().rectPoints().topLeft() * p.panel().picture().devicePixelsPerPoint();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (x < grid.x() - 1 || y < grid.y() - 1)
                QVERIFY2(inks.contains(drawn.pixel(x, y) | 0xff000000u),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    // Crossed off, restored; crossed off, reset.
    p.toggleEveryNumber();
    QVERIFY(p.picture() != drawn);
    p.toggleEveryNumber();
    QVERIFY(p.picture() == drawn);
    p.toggleEveryNumber();
    p.reset();
    QVERIFY(p.picture() == drawn);
}

QTEST_MAIN(TrialWindowTest)
#include "trialwindow_test.moc"
