// Printing for real: the print command sends the page to the queue named by
// GRIDWICK_PRINT_QUEUE (a PDF queue that writes its files into the folder
// GRIDWICK_PRINT_OUTPUT), and the page that arrives must show the grid where
// the composition put it. Without those variables the test is skipped, so
// that the test command never prints on a person's own printer.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "PrintTestKit.h"

using namespace gw;

namespace {
const char* const QueueVariable = "GRIDWICK_PRINT_QUEUE";
const char* const OutputVariable = "GRIDWICK_PRINT_OUTPUT";
// The exit status that tells ctest the test was skipped (SKIP_RETURN_CODE).
constexpr int Skipped = 77;
} // namespace

class RealPrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::testing::filterOffscreenNoise(); }
    void printCommandSendsThePageToTheQueue();
};

void RealPrintTest::printCommandSendsThePageToTheQueue()
{
    const QString queue = qEnvironmentVariable(QueueVariable);
    const QString output = qEnvironmentVariable(OutputVariable);
    test::PrintRig rig("##########/#........#/#.######.#/#........#/##########", queue);
    QString status;
    QObject::connect(&rig.print, &PrintDialog::statusMessage, [&](const QString& s) { status = s; });
    rig.print.open();
    QCOMPARE(rig.print.printerCombo()->currentText(), queue);
    const QPageLayout printer = rig.print.currentPrinter()->pageLayout();
    const QRectF printable = printer.paintRect(QPageLayout::Point);
    const QSizeF sheet = printer.fullRect(QPageLayout::Point).size();
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
    const test::RenderedPage page(arrived, 4);
    QVERIFY2(!page.gray.isNull(), "pdftoppm could not render the printed page");
    // The page is the printable area the driver reports, the whole sheet on
    // a PDF queue (regression: Qt's default margins of 10 points), and the
    // block is centred on it.
    const PageLayout& layout = rig.print.lastLayout();
    QCOMPARE(layout.page, printable.size());
    QVERIFY(sheet.width() - layout.page.width() < 1 && sheet.height() - layout.page.height() < 1);
    const int columnClues = rig.clues.maxColumnClues;
    QCOMPARE(test::misplacedBlock(page, layout, printable.topLeft(), 10 + rig.clues.maxRowClues, 5 + columnClues,
                                  columnClues),
             QString());
}

// Without a queue the program prints nothing and says so to ctest, which
// reports the test as skipped rather than passed.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariable(QueueVariable).isEmpty() || qEnvironmentVariable(OutputVariable).isEmpty()) {
        std::printf("SKIP: %s and %s name no PDF print queue\n", QueueVariable, OutputVariable);
        return Skipped;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    RealPrintTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "real_print_test.moc"
