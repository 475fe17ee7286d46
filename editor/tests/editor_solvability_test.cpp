// Edit > Show solvability: off at start, the shading of the cells line logic
// leaves open after every edit, and the verdict in the status line.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "editor/CellShading.h"
#include "editor/FixSuggestion.h"
#include "editor/GridGeometry.h"
#include "editor/GridView.h"
#include "editor/SolvabilityOverlay.h"
#include "editor/SuggestFixAction.h"
#include "editor/tests/EditorTestKit.h"

using namespace gw;
using namespace gw::editor;
using namespace gw::editor::testing;

namespace {

QString shadedCells(const Maker& maker)
{
    QStringList cells;
    for (const QPoint& c : maker.window->solvability().shading().cells())
        cells << QStringLiteral("%1,%2").arg(c.x()).arg(c.y());
    return cells.join(QLatin1Char(' '));
}

// Draws `rows` as the puzzle and lays the window out, as opening a file does.
void show(Maker& maker, const QStringList& rows)
{
    drawGrid(maker.puzzle, rows);
    maker.window->layoutWindow();
}

bool settled(Maker& maker)
{
    return QTest::qWaitFor([&] { return !maker.window->solvability().checking(); }, 60000);
}

const QString Open = QStringLiteral("Not solvable by logic alone, open cells (shaded): ");

} // namespace

class EditorSolvabilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }

    void verdicts_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<double>("budgetMs"); // 0: the default budget
        QTest::addColumn<QString>("shaded");
        QTest::addColumn<QString>("status");
        QTest::newRow("by logic") << QStringList {"#.#", ".#.", "#.#"} << 0.0 << ""
                                  << "Solvable by logic alone and unique. Grade: easy";
        QTest::newRow("unique, needs a guess") << QStringList {".##.", "..##", "#..#"} << 0.0
                                               << "0,0 1,0 2,0 3,0 0,2 1,2 2,2 3,2" << Open + "8; unique. Grade: hard";
        QTest::newRow("two solutions") << QStringList {"BB..B", "B....", "...BB", ".M...", "....M"} << 0.0
                                       << "1,3 4,3 1,4 4,4" << Open + "4; more than one solution. Grade: ambiguous";
        QTest::newRow("no time to decide")
            << QStringList {".##.", "..##", "#..#"} << 1e-6 << "0,0 1,0 2,0 3,0 0,2 1,2 2,2 3,2"
            << Open + "8; uniqueness not decided in time.";
    }
    void verdicts()
    {
        QFETCH(QStringList, rows);
        QFETCH(double, budgetMs);
        QFETCH(QString, shaded);
        QFETCH(QString, status);
        Maker maker;
        show(maker, rows);
        if (budgetMs > 0) {
            analysis::AnalysisOptions options;
            options.maxMilliseconds = budgetMs;
            maker.window->solvability().setOptions(options);
        }
        maker.action("showSolvabilityAction")->trigger();
        // Line logic and its shading come at once, uniqueness may follow.
        QCOMPARE(shadedCells(maker), shaded);
        QCOMPARE(maker.window->solvabilityText(),
                 maker.window->solvability().checking()
                     ? status.left(status.indexOf(QLatin1Char(';'))) + QStringLiteral("; checking uniqueness\u2026")
                     : status);
        QVERIFY(settled(maker));
        QCOMPARE(maker.window->solvabilityText(), status);
        QCOMPARE(maker.window->statusText(), Welcome); // the status text itself stays

        // The shading tints the inside of exactly the open cells; the grid's
        // own picture is not drawn on.
        GridView& grid = maker.window->grid();
        const QImage shown = grid.grab().toImage();
        const double zoom = maker.window->gridZoom();
        for (int y = 0; y < maker.puzzle.height; ++y)
            for (int x = 0; x < maker.puzzle.width; ++x) {
                const QPoint centre((cellEdges(x, zoom).first + cellEdges(x, zoom).last) / 2,
                                    (cellEdges(y, zoom).first + cellEdges(y, zoom).last) / 2);
                const bool open = shaded.split(QLatin1Char(' ')).contains(QStringLiteral("%1,%2").arg(x).arg(y));
                const QColor own = shownColor(maker.puzzle.cell(x, y));
                QCOMPARE(grid.colorAt(centre), own);
                const QColor seen = shown.pixelColor(centre * shown.devicePixelRatio());
                QVERIFY2((seen != own) == open, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }

        maker.action("showSolvabilityAction")->trigger(); // off again
        QCOMPARE(maker.window->solvabilityText(), QString());
        QVERIFY(maker.window->solvability().shading().isHidden());
        QCOMPARE(grid.grab().toImage().pixelColor(QPoint(1, 1) * shown.devicePixelRatio()), grid.colorAt({1, 1}));
    }

    // Off at start (an edit then analyses nothing); once on, every edit is followed.
    void everyEditIsFollowed()
    {
        Maker maker;
        QAction* item = maker.action("showSolvabilityAction");
        QVERIFY(item && item->isCheckable() && !item->isChecked());
        QVERIFY(maker.window->findChild<QMenu*>(QStringLiteral("editMenu"))->actions().contains(item));
        maker.window->drawCell(1, 2, 2);
        QTest::qWait(5);
        QCOMPARE(maker.window->solvabilityText(), QString());
        QVERIFY(maker.window->solvability().result() == nullptr);
        QVERIFY(maker.window->solvability().shading().isHidden());
        show(maker, {"..", ".."});
        item->trigger();
        QCOMPARE(maker.window->solvabilityText(), QStringLiteral("Solvable by logic alone and unique. Grade: easy"));
        maker.window->drawCell(1, 0, 0);
        maker.window->drawCell(1, 1, 1); // "#." / ".#": two solutions
        QCOMPARE(maker.window->solvabilityText(), QStringLiteral("Solvable by logic alone and unique. Grade: easy"));
        QTRY_COMPARE(shadedCells(maker), QStringLiteral("0,0 1,0 0,1 1,1"));
        QVERIFY(settled(maker));
        QCOMPARE(maker.window->solvabilityText(), Open + "4; more than one solution. Grade: ambiguous");
        QCOMPARE(maker.window->statusText(), QStringLiteral("Cell <2, 2> is now black."));

        maker.window->dragCommand(ShiftDirection::Left); // ".." / "#.": line logic solves it
        QTRY_COMPARE(maker.window->solvabilityText(),
                     QStringLiteral("Solvable by logic alone and unique. Grade: easy"));
        QCOMPARE(shadedCells(maker), QString());
        maker.window->negativeCommand(); // ".#" / ".#"
        maker.window->applySize(3, 2);
        QTRY_COMPARE(maker.window->solvability().result()->width, 3);
        QCOMPARE(maker.window->solvabilityText(), QStringLiteral("Solvable by logic alone and unique. Grade: easy"));
    }

    // The verdict and the menu item follow a language switch. Regression: at
    // the default width, in Dutch and Italian, the verdict ran on under the
    // position, which was drawn over it.
    void statusLineTextsStopBeforeThePosition_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("English") << Language::English << "Show S&olvability"
                                 << Open + "4; more than one solution. Grade: ambiguous";
        QTest::newRow("Dutch") << Language::Dutch << "Oplosbaarheid &Tonen"
                               << QStringLiteral(
                                      "Niet met logica alleen oplosbaar, open hokjes (gearceerd): 4; meer dan "
                                      "\u00e9\u00e9n oplossing. Moeilijkheid: dubbelzinnig");
        QTest::newRow("Italian") << Language::Italian << QStringLiteral("&Mostra La Risolvibilit\u00e0")
                                 << QStringLiteral("Non risolvibile con la sola logica, caselle aperte (ombreggiate): "
                                                   "4; pi\u00f9 di una soluzione. Difficolt\u00e0: ambiguo");
    }
    void statusLineTextsStopBeforeThePosition()
    {
        QFETCH(Language, language);
        QFETCH(QString, item);
        QFETCH(QString, verdict);
        Maker maker;
        show(maker, {"#.", ".#"});
        maker.action("showSolvabilityAction")->trigger();
        QVERIFY(settled(maker));
        maker.window->applyLanguage(language);
        maker.window->drawCell(0, 1, 1); // the pointer over a cell: the position shows
        QCOMPARE(maker.action("showSolvabilityAction")->text(), item);
        QCOMPARE(maker.window->solvabilityText(), verdict);
        const auto* status = maker.window->findChild<QLabel*>(QStringLiteral("statusLabel"));
        const auto* solvability = maker.window->findChild<QLabel*>(QStringLiteral("solvabilityLabel"));
        const auto* position = maker.window->findChild<QLabel*>(QStringLiteral("positionLabel"));
        QVERIFY(!position->text().isEmpty());
        // Whatever the texts are, each is shown whole or cut short with its
        // whole text as tooltip, and both end before the position begins.
        for (const QLabel* label : {status, solvability}) {
            const QString whole = label == status ? maker.window->statusText() : verdict;
            QVERIFY2(label->geometry().right() < position->x(), qPrintable(whole));
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            if (label->text() == whole) {
                QVERIFY(label->toolTip().isEmpty());
            } else {
                QVERIFY2(label->text().endsWith(QChar(0x2026)), qPrintable(label->text()));
                QVERIFY(whole.startsWith(label->text().chopped(1)));
                QCOMPARE(label->toolTip(), whole);
            }
        }
        QVERIFY(solvability->x() > status->geometry().right());
        QVERIFY(!solvability->text().isEmpty());
        // A window wide enough shows both whole again.
        maker.window->resize(1600, 560);
        QTRY_COMPARE(solvability->text(), verdict);
        QCOMPARE(status->text(), maker.window->statusText());
        QVERIFY(solvability->geometry().right() < position->x());
    }

    // Edit > Suggest Fix: marks the cells with their new colours and asks;
    // No gives another suggestion, Yes applies it as one undo step, Cancel
    // leaves the picture alone.
    void suggestFixAppliesAsOneUndoStep()
    {
        Maker maker;
        show(maker, {"BB..B", "B....", "...BB", ".M...", "....M"});
        const Puzzle before = maker.puzzle;
        QAction* item = maker.action("suggestFixAction");
        QVERIFY(item && maker.window->findChild<QMenu*>(QStringLiteral("editMenu"))->actions().contains(item));
        QCOMPARE(item->text(), QStringLiteral("Su&ggest Fix"));
        FixSuggestion& fix = maker.window->suggestFix().suggestion();

        maker.fake.messages.answer(platform::Answer::Cancel);
        item->trigger();
        QCOMPARE(maker.window->statusText(), QStringLiteral("Looking for a fix\u2026"));
        QVERIFY(QTest::qWaitFor([&] { return maker.fake.messages.unanswered() == 0; }, 60000));
        QVERIFY(maker.message(-1).contains(QStringLiteral("Suggested fix: change the marked cells:")));
        QVERIFY(maker.message(-1).contains(QStringLiteral("Yes applies it")));
        QVERIFY(maker.puzzle.cells == before.cells);
        QVERIFY(fix.marks().isHidden());

        maker.fake.messages.answer(platform::Answer::No);
        maker.fake.messages.answer(platform::Answer::Yes);
        item->trigger();
        QVERIFY(QTest::qWaitFor([&] { return maker.fake.messages.unanswered() == 0; }, 60000));
        QVERIFY(maker.puzzle.cells != before.cells);
        QCOMPARE(int(analysis::analyzePuzzle(maker.puzzle).uniqueness), int(analysis::Uniqueness::Unique));
        QCOMPARE(maker.window->statusText(), QStringLiteral("Suggested fix applied."));
        maker.action("undoAction")->trigger();
        QVERIFY(maker.puzzle.cells == before.cells);

        // Unique already but needing a guess: a fix for logic alone.
        show(maker, {".##.", "..##", "#..#"});
        maker.fake.messages.answer(platform::Answer::Yes);
        item->trigger();
        QVERIFY(QTest::qWaitFor([&] { return maker.fake.messages.unanswered() == 0; }, 60000));
        QVERIFY(analysis::analyzePuzzle(maker.puzzle).lineSolvable);
    }

    void aNewEditDropsTheRunningSearch()
    {
        Maker maker;
        show(maker, {".##.", "..##", "#..#"});
        SolvabilityOverlay& overlay = maker.window->solvability();
        maker.action("showSolvabilityAction")->trigger();
        QVERIFY(overlay.checking());
        overlay.sliceTimer()->stop(); // as if the search were still busy
        QVERIFY(!overlay.result()->finished());
        maker.window->drawCell(2, 1, 0); // ".#.." and so on
        // Only a new analysis can finish: the old one has no timer any more.
        QTRY_VERIFY(overlay.result()->finished());
        const analysis::AnalysisResult fresh = analysis::analyzePuzzle(maker.puzzle);
        QVERIFY(overlay.result()->finished());
        QCOMPARE(overlay.result()->openCells, fresh.openCells);
        QCOMPARE(overlay.result()->uniqueness, fresh.uniqueness);
    }
};

QTEST_MAIN(EditorSolvabilityTest)
#include "editor_solvability_test.moc"
