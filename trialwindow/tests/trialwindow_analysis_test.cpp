// The test window's Analyse button: the four verdicts on small puzzles, the
// shading on the field, and what removes it.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "editor/CellShading.h"
#include "editor/FixSuggestion.h"
#include "playfield/CluePanel.h"
#include "print/tests/PrintTestKit.h"
#include "trialwindow/AnalysisPanel.h"
#include "trialwindow/TrialWindow.h"

using namespace gw;
using Verdict = AnalysisPanel::Verdict;

namespace {

// Line logic solves it.
const char* const Frame = "#####/#...#/#.#.#/#...#/#####";
// Unique, but line logic leaves the first and the last row open.
const char* const NeedsAGuess = ".##./..##/#..#";
// The magenta cells of the last two rows may swap.
const char* const SwappedPair = "BB..B/B..../...BB/.M.../....M";

struct Maker : test::PrintRig {
    TrialWindow test {puzzle, session, clues, platform,
                      [this](CluePanel& panel, QSizeF area) { return print.composeForTest(panel, area).cellSize; }};

    explicit Maker(const std::string& rows) : PrintRig(rows) { test.open(); }
    AnalysisPanel& panel() { return test.analysis(); }
    bool analyseAndWait()
    {
        panel().button()->click();
        return QTest::qWaitFor([&] { return !panel().running(); }, 60000);
    }
    QString shaded() const
    {
        QStringList cells;
        for (const QPoint& c : test.analysis().shading().cells())
            cells << QStringLiteral("%1,%2").arg(c.x()).arg(c.y());
        return cells.join(QLatin1Char(' '));
    }
    // The field as the screen shows it (shading included) and as its own
    // picture holds it, both in device pixels.
    QImage shown() { return test.cluePanel()->field().grab().toImage(); }
    const QImage& picture() { return test.cluePanel()->field().picture().image(); }
    QPoint cellCentre(int x, int y)
    {
        const PointImage& field = test.cluePanel()->field().picture();
        return (field.origin() * field.dpr()
                + QPointF(x + 0.5, y + 0.5) * test.state().cellSize * field.devicePixelsPerPoint())
            .toPoint();
    }
};

bool isTinted(QRgb p) { return qRed(p) > qBlue(p) + 40; }

} // namespace

class TrialWindowAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void verdicts_data();
    void verdicts();
    void verdictFollowsTheLanguage();
    void undecidedTellsWhatIsRuledOutNearby();
    void analysesThePuzzleAsComposed();
    void suggestsAFix();
    void cancelledAndCleared_data();
    void cancelledAndCleared();
};

void TrialWindowAnalysisTest::verdicts_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<double>("budgetMs"); // 0: the default budget
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("shaded");
    QTest::addColumn<QString>("text");
    QTest::newRow("unique, by logic alone") << Frame << 0.0 << int(Verdict::UniqueByLogic) << ""
                                            << "Unique and solvable by logic alone.\nGrade: easy";
    QTest::newRow("unique, needs a guess")
        << NeedsAGuess << 0.0 << int(Verdict::NeedsGuessing) << "0,0 1,0 2,0 3,0 0,2 1,2 2,2 3,2"
        << "Unique, but needs guessing. Cells logic leaves open (shaded): 8\nGrade: hard";
    QTest::newRow("two solutions")
        << SwappedPair << 0.0 << int(Verdict::NotUnique) << "1,3 4,3 1,4 4,4"
        << "More than one solution. Cells where a second solution differs (shaded): 4\nGrade: "
           "ambiguous";
    QTest::newRow("no time to decide")
        << NeedsAGuess << 1e-6 << int(Verdict::Undecided) << "0,0 1,0 2,0 3,0 0,2 1,2 2,2 3,2"
        << "Could not decide in time whether it is unique. Cells logic leaves open (shaded): 8";
}

void TrialWindowAnalysisTest::verdicts()
{
    QFETCH(QString, rows);
    QFETCH(double, budgetMs);
    QFETCH(int, verdict);
    QFETCH(QString, shaded);
    QFETCH(QString, text);
    Maker m(rows.toStdString());
    if (budgetMs > 0) {
        analysis::AnalysisOptions options;
        options.maxMilliseconds = budgetMs;
        m.panel().setOptions(options);
    }
    m.test.playField().markCell(MouseButton::Left, 0, 1); // a mark of the user's, which the shading must leave alone
    const QImage before = m.picture().copy();

    m.panel().button()->click();
    // Nothing is worked out in the click itself: the timer does it.
    QVERIFY(m.panel().running() && !m.panel().button()->isEnabled() && m.panel().result() == nullptr);
    QCOMPARE(m.panel().verdictLabel()->text(), QStringLiteral("Analysing\u2026"));
    QVERIFY(QTest::qWaitFor([&] { return !m.panel().running(); }, 60000));

    QCOMPARE(int(m.panel().verdict()), verdict);
    QCOMPARE(m.panel().verdictLabel()->text(), text);
    QCOMPARE(m.shaded(), shaded);
    QVERIFY(m.panel().button()->isEnabled());
    QCOMPARE(m.picture(), before);
    const QImage shown = m.shown();
    for (int y = 0; y < m.puzzle.height; ++y)
        for (int x = 0; x < m.puzzle.width; ++x) {
            const QPoint p = m.cellCentre(x, y);
            const bool tinted = shaded.split(QLatin1Char(' ')).contains(QStringLiteral("%1,%2").arg(x).arg(y));
            if (tinted)
                QVERIFY2(isTinted(shown.pixel(p)) && shown.pixel(p) != before.pixel(p), qPrintable(m.shaded()));
            else
                QCOMPARE(shown.pixel(p), before.pixel(p));
        }
}

void TrialWindowAnalysisTest::verdictFollowsTheLanguage()
{
    Maker m(SwappedPair);
    QVERIFY(m.analyseAndWait());
    const struct {
        Language language;
        const char* button;
        const char* verdict;
    } expected[] = {
        {Language::Dutch, "&Analyseren",
         "Meer dan \u00e9\u00e9n oplossing. Hokjes waar een tweede oplossing afwijkt (gearceerd): 4\nMoeilijkheid: "
         "dubbelzinnig"},
        {Language::Italian, "&Analizza",
         "Pi\u00f9 di una soluzione. Caselle in cui una seconda soluzione \u00e8 diversa (ombreggiate): "
         "4\nDifficolt\u00e0: ambiguo"},
        {Language::English, "&Analyse",
         "More than one solution. Cells where a second solution differs (shaded): 4\nGrade: ambiguous"},
    };
    for (const auto& e : expected) {
        m.session.language = e.language;
        m.test.applyCaptions();
        QCOMPARE(m.panel().button()->text(), QString::fromUtf8(e.button));
        QCOMPARE(m.panel().verdictLabel()->text(), QString::fromUtf8(e.verdict));
        // The panel's access keys differ from the test window's.
        QStringList letters;
        for (const QPushButton* b : {m.test.resetButton(), m.test.startButton(), m.test.stopButton(),
                                     m.panel().button(), m.panel().fixButton()}) {
            const qsizetype at = b->text().indexOf(QLatin1Char('&'));
            QVERIFY2(at >= 0, qPrintable(b->text()));
            const QString letter = b->text().mid(at + 1, 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(b->text()));
            letters << letter;
        }
    }
    QCOMPARE(m.shaded(), QStringLiteral("1,3 4,3 1,4 4,4"));
}

// One-cell diagonal stripes in black, red and white: unique, but too hard to
// prove for the searches without clause learning within a small budget (of
// nodes, so that every machine stops at the same point); no second solution
// lies near the picture, and the verdict says so under the open cells.
void TrialWindowAnalysisTest::undecidedTellsWhatIsRuledOutNearby()
{
    std::string rows;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 17; ++x)
            rows += ".#R"[(x + y) % 3];
        rows += y < 16 ? "/" : "";
    }
    Maker m(rows);
    analysis::AnalysisOptions options;
    options.maxNodes = 60000;
    options.maxMilliseconds = 0;
    options.clauseLearning = false;
    m.panel().setOptions(options);
    QVERIFY(m.analyseAndWait());
    QCOMPARE(int(m.panel().verdict()), int(Verdict::Undecided));
    const QString open = QString::number(m.panel().result()->openCells);
    const struct {
        Language language;
        const char* verdict;
    } expected[] = {
        {Language::English, "Could not decide in time whether it is unique. Cells logic leaves open (shaded): %1\n"
                            "No second solution differs from the picture only within a 5 \u00d7 5 square."},
        {Language::Dutch,
         "Kon niet op tijd bepalen of de puzzel uniek is. Hokjes die logica open laat (gearceerd): %1\n"
         "Geen tweede oplossing wijkt alleen binnen een vierkant van 5 \u00d7 5 van de tekening af."},
        {Language::Italian, "Impossibile decidere in tempo se \u00e8 unico. Caselle che la logica lascia aperte "
                            "(ombreggiate): %1\nNessuna seconda soluzione differisce dal disegno solo entro un "
                            "quadrato di 5 \u00d7 5."},
    };
    for (const auto& e : expected) {
        m.session.language = e.language;
        m.test.applyCaptions();
        QCOMPARE(m.panel().verdictLabel()->text(), QString::fromUtf8(e.verdict).arg(open));
    }
}

// The field shows the clues of the last composition; an edit in the main
// window since then waits for the next one, the analysis too.
void TrialWindowAnalysisTest::analysesThePuzzleAsComposed()
{
    Maker m(Frame);
    m.puzzle = test::puzzleFromText("#./.#");
    QVERIFY(m.analyseAndWait());
    QCOMPARE(int(m.panel().verdict()), int(Verdict::UniqueByLogic));
    QCOMPARE(m.panel().result()->width, 5);
    m.test.open();
    QVERIFY(m.analyseAndWait());
    QCOMPARE(int(m.panel().verdict()), int(Verdict::NotUnique));
    QCOMPARE(m.shaded(), QStringLiteral("0,0 1,0 0,1 1,1"));
}

// Suggest fix beside the verdict: only for a puzzle to mend; it marks the
// cells with their new colours, the fixed picture is unique, and a second
// click gives another suggestion.
void TrialWindowAnalysisTest::suggestsAFix()
{
    Maker m(SwappedPair);
    QVERIFY(!m.panel().fixButton()->isEnabled());
    QVERIFY(m.analyseAndWait());
    QVERIFY(m.panel().fixButton()->isEnabled());
    QCOMPARE(m.panel().fixButton()->text(), QStringLiteral("Suggest &fix"));
    m.panel().fixButton()->click();
    QVERIFY(m.panel().fix().running() && !m.panel().fixButton()->isEnabled());
    QVERIFY(m.panel().verdictLabel()->text().endsWith(QStringLiteral("\nLooking for a fix\u2026")));
    QVERIFY(QTest::qWaitFor([&] { return !m.panel().fix().running(); }, 60000));
    QCOMPARE(int(m.panel().fix().state()), int(FixSuggestion::State::Found));
    const std::vector<analysis::CellChange> first = m.panel().fix().changes();
    QVERIFY(!first.empty());
    QVERIFY(m.panel().fix().marks().isVisible());
    QVERIFY(m.panel().verdictLabel()->text().endsWith(
        QStringLiteral("\nSuggested fix: change the marked cells: %1").arg(first.size())));
    Puzzle fixed = m.puzzle;
    analysis::applyFix(fixed, first);
    QCOMPARE(int(analysis::analyzePuzzle(fixed).uniqueness), int(analysis::Uniqueness::Unique));
    // The marked cell shows its new colour.
    const QImage shown = m.shown();
    const PaletteColor& color = Palette[first.front().color];
    QCOMPARE(QColor(shown.pixel(m.cellCentre(first.front().x, first.front().y))), QColor(color.r, color.g, color.b));

    m.panel().fixButton()->click();
    QVERIFY(QTest::qWaitFor([&] { return !m.panel().fix().running(); }, 60000));
    QCOMPARE(int(m.panel().fix().state()), int(FixSuggestion::State::Found));
    QVERIFY(m.panel().fix().changes() != first);
    m.panel().cancel();
    QVERIFY(m.panel().fix().marks().isHidden());
}

void TrialWindowAnalysisTest::cancelledAndCleared_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("finished"); // the analysis ended before
    for (const char* how : {"close", "reset", "reopen", "computer test"}) {
        QTest::addRow("%s while running", how) << how << false;
        QTest::addRow("%s after the verdict", how) << how << true;
    }
}

void TrialWindowAnalysisTest::cancelledAndCleared()
{
    QFETCH(QString, how);
    QFETCH(bool, finished);
    Maker m(SwappedPair);
    m.panel().button()->click();
    if (finished) {
        QVERIFY(QTest::qWaitFor([&] { return !m.panel().running(); }, 60000));
        QVERIFY(m.panel().shading().isVisible() && !m.shaded().isEmpty());
    }
    if (how == QLatin1String("close")) {
        QVERIFY(!m.test.close());
        QVERIFY(m.test.isHidden());
    } else if (how == QLatin1String("reset")) {
        m.test.resetButton()->click();
    } else if (how == QLatin1String("reopen")) {
        m.test.open();
    } else {
        m.fake.messages.answer(platform::Answer::Ok); // the computer test gets stuck
        m.test.startTest();
        QVERIFY(QTest::qWaitFor([&] { return !m.test.testRunning() && !m.test.driver().isBusy(); }, 60000));
    }
    QVERIFY(!m.panel().running() && !m.panel().sliceTimer()->isActive());
    QCOMPARE(int(m.panel().verdict()), int(Verdict::None));
    QCOMPARE(m.panel().verdictLabel()->text(), QString());
    QVERIFY(m.panel().result() == nullptr);
    QCOMPARE(m.shaded(), QString());
    QVERIFY(m.panel().shading().isHidden());
    QVERIFY(m.panel().button()->isEnabled());
    QTest::qWait(5); // a timer tick would have brought the verdict back
    QCOMPARE(int(m.panel().verdict()), int(Verdict::None));
}

QTEST_MAIN(TrialWindowAnalysisTest)
#include "trialwindow_analysis_test.moc"
