// Printing for real: the print command sends the page to the queue named by
// GRIDWICK_PRINT_QUEUE (a PDF queue that writes its files into the folder
// GRIDWICK_PRINT_OUTPUT), and the page that arrives must show the grid where
// the composition put it. Without those variables the test skips, so that the
// test command never prints on a person's own printer.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "PageCheck.h"
#include "platform/testing/FakePlatform.h"
#include "playfield/tests/TestSupport.h"
#include "print/PrintFormX.h"

using namespace gw;

class RealPrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void printCommandSendsThePageToTheQueue();
};

void RealPrintTest::printCommandSendsThePageToTheQueue()
{
    const QString queue = qEnvironmentVariable("GRIDWICK_PRINT_QUEUE");
    const QString output = qEnvironmentVariable("GRIDWICK_PRINT_OUTPUT");
    if (queue.isEmpty() || output.isEmpty())
        QSKIP("GRIDWICK_PRINT_QUEUE and GRIDWICK_PRINT_OUTPUT name no PDF print queue");

    platform::testing::FakePlatform fake;
    platform::Platform platform = fake.platform();
    fake.printers.install({queue}, queue);
    Puzzle puzzle = test::puzzleFromRows({"##########", "#........#", "#.######.#", "#........#", "##########"});
    puzzle.PuzzleName = "frame";
    ClueTables clues;
    PrintFormX form(puzzle, clues, platform);
    form.setPrinterState(true, queue);
    QString status;
    QObject::connect(&form, &PrintFormX::statusMessage, [&](const QString& s) { status = s; });
    form.open();
    QCOMPARE(form.cmbPrinter->currentText(), queue);
    QVERIFY(form.Command1->isEnabled());
    const QPointF origin = form.currentPrinter()->pageLayout().paintRect(QPageLayout::Point).topLeft();

    const QDir folder(output);
    const QStringList before = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    form.Command1->click();
    QVERIFY(fake.messages.requests().isEmpty());
    QCOMPARE(status, QStringLiteral("The puzzle has been printed."));
    QVERIFY(form.isHidden());
    const PageLayout layout = form.lastLayout();
    QVERIFY(layout.painted);

    QString arrived;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     for (const QString& name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files))
                         if (!before.contains(name) && QFileInfo(folder.filePath(name)).size() > 0) {
                             arrived = folder.filePath(name);
                             return true;
                         }
                     return false;
                 },
                 90000),
             "no page arrived from the print queue");
    QTest::qWait(1000); // the queue finishes writing the file
    const QImage page = test::renderFirstPage(arrived);
    QVERIFY2(!page.isNull(), "pdftoppm could not render the printed page");
    const int length = layout.cellSize * (5 + clues.MaxColumnClues) * 8 / 10;
    for (int j : {0, 5, 10})
        QVERIFY2(test::ruleNear(page, origin.x() + layout.gridLeft + j * layout.cellSize, length) >= 0,
                 qPrintable(QStringLiteral("no rule %1 near x = %2").arg(j).arg(origin.x() + layout.gridLeft + j * layout.cellSize)));
}

QTEST_MAIN(RealPrintTest)
#include "real_print_test.moc"
