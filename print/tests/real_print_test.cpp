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

#include "PrintTestKit.h"

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
    test::PrintRig rig("##########/#........#/#.######.#/#........#/##########", queue);
    QString status;
    QObject::connect(&rig.print, &PrintDialog::statusMessage, [&](const QString& s) { status = s; });
    rig.print.open();
    QCOMPARE(rig.print.printerCombo()->currentText(), queue);
    const QPointF origin = rig.print.currentPrinter()->pageLayout().paintRect(QPageLayout::Point).topLeft();
    const QDir folder(output);
    const QStringList before = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    rig.print.printButton()->click();
    QVERIFY(rig.fake.messages.requests().isEmpty());
    QCOMPARE(status, QStringLiteral("The puzzle has been printed."));
    QVERIFY(rig.print.isHidden());

    QString arrived;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     for (const QString& name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files))
                         if (!before.contains(name) && QFileInfo(folder.filePath(name)).size() > 0)
                             arrived = folder.filePath(name);
                     return !arrived.isEmpty();
                 },
                 90000),
             "no page arrived from the print queue");
    QTest::qWait(1000); // the queue finishes writing the file
    const QImage page = test::renderFirstPage(arrived);
    QVERIFY2(!page.isNull(), "pdftoppm could not render the printed page");
    QCOMPARE(test::missingRule(page, origin, rig.print.lastLayout(), 5 + rig.clues.maxColumnClues, {0, 5, 10}), -1);
}

QTEST_MAIN(RealPrintTest)
#include "real_print_test.moc"
